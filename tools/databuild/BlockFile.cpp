#include "BlockFile.h"

#include "DataError.h"

#include <QFile>
#include <QRegularExpression>

QString BlockFile::Block::value(const QString& key) const {
    for (const auto& [k, v] : fields) {
        if (k == key)
            return v;
    }
    return {};
}

QStringList BlockFile::Block::values(const QString& key) const {
    QStringList out;
    for (const auto& [k, v] : fields) {
        if (k == key)
            out << v;
    }
    return out;
}

bool BlockFile::Block::has(const QString& key) const {
    for (const auto& [k, v] : fields) {
        if (k == key)
            return true;
    }
    return false;
}

QList<BlockFile::Block> BlockFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("%1: kann nicht gelesen werden").arg(path));
    return parse(QString::fromUtf8(file.readAll()), path);
}

QList<BlockFile::Block> BlockFile::parse(const QString& text, const QString& fileName) {
    static const QRegularExpression header(QStringLiteral("^\\[(\\d+)\\]\\s*$"));
    static const QRegularExpression field(QStringLiteral("^([A-Za-zÄÖÜäöü]+):\\s*(.*)$"));
    QList<Block> blocks;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i);
        const auto fail = [&](const QString& why) {
            throw DataError(QStringLiteral("%1:%2: %3").arg(fileName).arg(i + 1).arg(why));
        };
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (const auto m = header.match(line); m.hasMatch()) {
            blocks.append({m.captured(1).toInt(), i + 1, {}});
            continue;
        }
        if (blocks.isEmpty())
            fail(QStringLiteral("Zeile vor dem ersten Datensatz"));
        if (line.startsWith(QStringLiteral("  "))) {
            if (blocks.last().fields.isEmpty())
                fail(QStringLiteral("Fortsetzung ohne Wert"));
            QString& v = blocks.last().fields.last().second;
            v += (v.isEmpty() ? QString() : QStringLiteral(" ")) + line.trimmed();
            continue;
        }
        const auto m = field.match(line);
        if (!m.hasMatch())
            fail(QStringLiteral("unverständliche Zeile „%1“").arg(line));
        blocks.last().fields.append({m.captured(1), m.captured(2).trimmed()});
    }
    return blocks;
}
