#include "common/IngredientMarks.h"

#include "common/TextFold.h"
#include "store/Cp1252.h"
#include "store/FolderLookup.h"

#include <QFile>

#include <algorithm>

namespace {
// A mark's word as written by hand: letter case and accents aside, an umlaut also spelled with e.
QString spelledOut(const QString& word) {
    QString text = word.trimmed().toLower();
    text.replace(QChar(u'ä'), QStringLiteral("ae")).replace(QChar(u'ö'), QStringLiteral("oe"));
    text.replace(QChar(u'ü'), QStringLiteral("ue"));
    return TextFold::fold(text);
}
} // namespace

IngredientMarks IngredientMarks::parse(const QString& text) {
    IngredientMarks file;
    file.m_found = true;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i)
        file.parseLine(int(i + 1), lines.at(i).trimmed());
    return file;
}

IngredientMarks IngredientMarks::load(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(Cp1252::toUnicode(file.readAll()));
}

IngredientMarks IngredientMarks::ofFolder(const QString& dataFolder) {
    return load(FolderLookup::find(dataFolder, fileName()));
}

QString IngredientMarks::word(Mark mark) {
    switch (mark) {
    case Mark::Egg:
        return QStringLiteral("Ei");
    case Mark::Dairy:
        return QStringLiteral("Milch");
    case Mark::Nuts:
        return QStringLiteral("Nüsse");
    case Mark::Gluten:
        break;
    }
    return QStringLiteral("Gluten");
}

std::optional<IngredientMarks::Mark> IngredientMarks::markOf(const QString& word) {
    const QString spelled = spelledOut(word);
    for (int m = 0; m < kMarks; ++m) {
        if (spelledOut(IngredientMarks::word(Mark(m))) == spelled)
            return Mark(m);
    }
    return std::nullopt;
}

void IngredientMarks::parseLine(int line, const QString& text) {
    if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
        return;
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const std::optional<Mark> mark = colon > 0 ? markOf(text.left(colon)) : std::nullopt;
    if (!mark) {
        m_problems.append(
            {line, QStringLiteral("am Anfang „Ei:“, „Milch:“, „Nüsse:“ oder „Gluten:“ erwartet")});
        return;
    }
    QStringList names;
    for (const QString& part : text.mid(colon + 1).split(QLatin1Char(',')))
        names << part.simplified();
    if (std::any_of(names.cbegin(), names.cend(), [](const QString& n) { return n.isEmpty(); })) {
        m_problems.append({line, QStringLiteral("nach dem Doppelpunkt die Zutaten mit Komma")});
        return;
    }
    for (const QString& name : names)
        m_rules.append({line, *mark, name});
}

QList<IngredientMarks::Problem> IngredientMarks::check(const QStringList& ingredients) const {
    QSet<QString> known;
    for (const QString& name : ingredients)
        known.insert(name.trimmed().toCaseFolded());
    QList<Problem> found = m_problems;
    QSet<int> reported;
    for (const Rule& rule : m_rules) {
        if (known.contains(rule.name.toCaseFolded()) || reported.contains(rule.line))
            continue;
        reported.insert(rule.line);
        found.append({rule.line, QStringLiteral("unbekannte Zutat „%1“").arg(rule.name)});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return found;
}

QSet<int> IngredientMarks::marked(const QList<Mark>& marks, const QList<ListEntry>& ingredients) const {
    QSet<QString> names;
    for (const Rule& rule : m_rules) {
        if (marks.contains(rule.mark))
            names.insert(rule.name.toCaseFolded());
    }
    QSet<int> numbers;
    if (names.isEmpty())
        return numbers;
    for (const ListEntry& e : ingredients) {
        if (names.contains(e.text.trimmed().toCaseFolded()))
            numbers.insert(e.data);
    }
    return numbers;
}
