#include "DataSetReader.h"

#include "DataError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {
DataSet::Origin originOf(const BlockFile::Block& block, const QString& file) {
    return {QFileInfo(file).fileName(), block.line, block.number};
}
} // namespace

DataSet DataSetReader::read(const QString& folder) {
    const QDir dir(folder);
    DataSet set;
    set.categories = readList(dir.filePath(QStringLiteral("kategorien.txt")));
    set.tastes = readList(dir.filePath(QStringLiteral("geschmack.txt")));
    readIngredients(dir.filePath(QStringLiteral("zutaten")), set);
    set.decorations = readEntries(dir.filePath(QStringLiteral("deko.txt")), &set.decorationIngredients);
    set.lexicon = readEntries(dir.filePath(QStringLiteral("lexikon.txt")));
    readRecipes(dir.filePath(QStringLiteral("rezepte")), set);
    readPrices(dir.filePath(QStringLiteral("preise.txt")), set);
    set.updateFrom = readUpdateStart(dir.filePath(QStringLiteral("update.txt")));
    return set;
}

// "26 | 12,99 | 70 | Weißer Rum": the ingredient's number, the price of a bottle or pack in euros, its
// content in the ingredient's unit, and the name as a check. No file means no prices.
void DataSetReader::readPrices(const QString& path, DataSet& set) {
    QFile file(path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("%1: kann nicht gelesen werden").arg(path));
    static const QRegularExpression line(
        QStringLiteral("^(\\d+)\\s*\\|\\s*(\\d+),(\\d\\d)\\s*\\|\\s*(\\d+)\\s*\\|\\s*(.+?)\\s*$"));
    int lineNumber = 0;
    for (const QString& text : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        ++lineNumber;
        if (text.trimmed().isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("preise.txt, Zeile %1").arg(lineNumber);
        const QRegularExpressionMatch m = line.match(text.trimmed());
        if (!m.hasMatch())
            throw DataError(
                where +
                QStringLiteral(": „%1“ statt „NUMMER | EURO,CENT | INHALT | NAME“").arg(text.trimmed()));
        const int number = m.captured(1).toInt();
        auto it = set.ingredients.find(number);
        if (it == set.ingredients.end() || it->name != m.captured(5))
            throw DataError(where + QStringLiteral(": keine Zutat %1 „%2“").arg(number).arg(m.captured(5)));
        if (it->priceCents > 0)
            throw DataError(where + QStringLiteral(": Preis für %1 doppelt").arg(it->name));
        it->priceCents = m.captured(2).toInt() * 100 + m.captured(3).toInt();
        it->packSize = m.captured(4).toInt();
        if (it->priceCents <= 0 || it->packSize <= 0 || it->packSize > 99999 || it->unit == 3)
            throw DataError(where +
                            QStringLiteral(": Preis, Inhalt oder Einheit von %1 passt nicht").arg(it->name));
    }
}

// "Rezepte ab: 1007"; no file means no update.
int DataSetReader::readUpdateStart(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return 0;
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("%1: kann nicht gelesen werden").arg(path));
    static const QRegularExpression line(QStringLiteral("^Rezepte ab:\\s*(\\d+)\\s*$"));
    for (const QString& text : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (text.trimmed().isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        const QRegularExpressionMatch match = line.match(text.trimmed());
        if (!match.hasMatch())
            throw DataError(
                QStringLiteral("update.txt: „%1“ statt „Rezepte ab: NUMMER“").arg(text.trimmed()));
        return match.captured(1).toInt();
    }
    throw DataError(QStringLiteral("update.txt: „Rezepte ab: NUMMER“ fehlt"));
}

QStringList DataSetReader::readList(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("%1: kann nicht gelesen werden").arg(path));
    QStringList out;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')))
            out << line.trimmed();
    }
    return out;
}

int DataSetReader::number(const BlockFile::Block& block, const QString& key, const DataSet::Origin& origin,
                          int fallback) {
    if (!block.has(key)) {
        if (fallback >= 0)
            return fallback;
        throw DataError(origin.describe() + QStringLiteral(": „%1“ fehlt").arg(key));
    }
    bool ok = false;
    const int value = block.value(key).toInt(&ok);
    if (!ok)
        throw DataError(origin.describe() + QStringLiteral(": „%1“ ist keine Zahl").arg(key));
    return value;
}

void DataSetReader::readIngredients(const QString& folder, DataSet& set) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        for (const BlockFile::Block& b : BlockFile::read(dir.filePath(name))) {
            const DataSet::Origin origin = originOf(b, name);
            if (set.ingredients.contains(b.number))
                throw DataError(origin.describe() + QStringLiteral(": Zutatennummer doppelt"));
            DataSet::Ingredient i;
            i.origin = origin;
            i.number = b.number;
            i.name = b.value(QStringLiteral("Name"));
            i.alcohol = number(b, QStringLiteral("Alkohol"), origin);
            i.unit = DataSet::unitFromText(b.value(QStringLiteral("Einheit")));
            i.pieceVolume = number(b, QStringLiteral("Menge"), origin, 0);
            i.printed = b.value(QStringLiteral("Drucken")) != QStringLiteral("nein");
            i.remark = b.value(QStringLiteral("Kommentar"));
            i.traces = b.value(QStringLiteral("Restalkohol")) == QStringLiteral("ja");
            set.ingredients.insert(i.number, i);
        }
    }
}

QList<DataSet::Entry> DataSetReader::readEntries(const QString& path, QMap<int, int>* ingredients) {
    QList<DataSet::Entry> out;
    for (const BlockFile::Block& b : BlockFile::read(path)) {
        if (ingredients && b.has(QStringLiteral("Zutat")))
            ingredients->insert(b.number, number(b, QStringLiteral("Zutat"), originOf(b, path)));
        out.append({originOf(b, path), b.number, b.value(QStringLiteral("Name")),
                    b.value(QStringLiteral("Bild")), b.value(QStringLiteral("Text"))});
    }
    return out;
}

void DataSetReader::readRecipes(const QString& folder, DataSet& set) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        for (const BlockFile::Block& b : BlockFile::read(dir.filePath(name)))
            set.recipes.append(toRecipe(b, name));
    }
}

DataSet::Recipe DataSetReader::toRecipe(const BlockFile::Block& b, const QString& file) {
    DataSet::Recipe r;
    r.origin = originOf(b, file);
    r.number = b.number;
    r.name = b.value(QStringLiteral("Name"));
    r.picture = b.has(QStringLiteral("Bild")) ? b.value(QStringLiteral("Bild")) : QString::number(b.number);
    r.category = number(b, QStringLiteral("Kategorie"), r.origin, 0);
    r.taste = number(b, QStringLiteral("Geschmack"), r.origin, 0);
    r.decoration = number(b, QStringLiteral("Deko"), r.origin, 0);
    r.assistantCode = number(b, QStringLiteral("Canr"), r.origin, 0);
    r.marked = number(b, QStringLiteral("Markiert"), r.origin, 0) == 1;
    r.neat = b.value(QStringLiteral("Pur")) == QStringLiteral("ja");
    for (const QString& line : b.values(QStringLiteral("Zutat")))
        r.lines.append(toLine(line, r.origin));
    r.instructions = b.value(QStringLiteral("Anleitung"));
    r.remark = b.value(QStringLiteral("Bemerkung"));
    return r;
}

// "12 | 4 cl | Weißer Rum" or "1 | - | Eiswürfel"
DataSet::Line DataSetReader::toLine(const QString& text, const DataSet::Origin& origin) {
    const QStringList parts = text.split(QLatin1Char('|'));
    const auto fail = [&] {
        throw DataError(origin.describe() + QStringLiteral(": Zutatenzeile „%1“").arg(text));
    };
    if (parts.size() != 3)
        fail();
    DataSet::Line line;
    bool ok = false;
    line.ingredient = parts.at(0).trimmed().toInt(&ok);
    if (!ok)
        fail();
    const QString amount = parts.at(1).trimmed();
    if (amount == QStringLiteral("-")) {
        line.unitText = amount;
    } else {
        const QStringList amountParts = amount.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (amountParts.size() != 2)
            fail();
        line.amount = amountParts.at(0).toInt(&ok);
        if (!ok)
            fail();
        line.unitText = amountParts.at(1);
    }
    line.name = parts.at(2).trimmed();
    return line;
}
