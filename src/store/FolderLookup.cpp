#include "store/FolderLookup.h"

#include <QDir>

namespace {

// The entry of the folder named like the part; an exact match wins over one of another case.
QString matchingEntry(const QDir& dir, const QString& part) {
    if (dir.exists(part))
        return part;
    for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (entry.compare(part, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

} // namespace

QString FolderLookup::find(const QString& folder, const QString& relative) {
    QDir dir(folder);
    QStringList found;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString entry = dir.exists() ? matchingEntry(dir, part) : QString();
        if (entry.isEmpty() || part == QStringLiteral("..") || part == QStringLiteral(".")) {
            // Nothing further matches: the rest as written.
            found.append(parts.mid(found.size()));
            break;
        }
        found.append(entry);
        dir.setPath(dir.filePath(entry));
    }
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return base + found.join(QLatin1Char('/'));
}

QString FolderLookup::subfolder(const QString& folder, const QString& name) {
    return find(folder, name) + QLatin1Char('/');
}
