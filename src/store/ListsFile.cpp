#include "store/ListsFile.h"

#include "store/AtomicFile.h"
#include "store/Cp1252.h"

#include <QFile>

QString ListsFile::headerLine() {
    return QStringLiteral(">>>>>>>>  BITTE ÄNDERN SIE DIESE LISTE NICHT PER HAND!  <<<<<<<<<");
}

QString ListsFile::markerLine() {
    return QStringLiteral("@@@-MORVA-@@@");
}

void ListsFile::load(const QString& path, QStringList* categories, QStringList* tastes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    parse(file.readAll(), categories, tastes);
}

void ListsFile::parse(const QByteArray& bytes, QStringList* categories, QStringList* tastes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line opens no further line
    QStringList* current = categories;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        line.truncate(kMaxEntry);
        qsizetype start = 0;
        while (start < line.size() && line.at(start) == ' ')
            ++start;
        qsizetype end = line.size();
        while (end > start && line.at(end - 1) == ' ')
            --end;
        const QString entry = Cp1252::toUnicode(line.mid(start, end - start));
        if (entry == markerLine())
            current = tastes;
        else
            current->append(entry);
    }
}

QByteArray ListsFile::serialize(const QStringList& categories, const QStringList& tastes) {
    QByteArray out;
    const auto line = [&out](const QString& text) {
        out += Cp1252::fromUnicode(text).left(kMaxEntry) + "\r\n";
    };
    line(headerLine());
    for (const QString& c : categories)
        line(c);
    line(markerLine());
    for (const QString& t : tastes)
        line(t);
    return out;
}

bool ListsFile::save(const QString& path, const QStringList& categories, const QStringList& tastes,
                     QString* reason) {
    return AtomicFile::write(path, serialize(categories, tastes), reason);
}
