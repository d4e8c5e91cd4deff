#include "store/FolderLookup.h"

#include "store/FolderEntry.h"

#include <QDir>
#include <QFileInfo>

QString FolderLookup::find(const QString& folder, const QString& relative) {
    QString path = folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        const QString next = FolderEntry::path(path, part);
        if (part == QStringLiteral("..") || part == QStringLiteral(".") || !QFileInfo::exists(next)) {
            // Nothing further matches: the rest as written.
            return path + QLatin1Char('/') + parts.mid(i).join(QLatin1Char('/'));
        }
        path = next;
    }
    return path;
}

QString FolderLookup::subfolder(const QString& folder, const QString& name) {
    return find(folder, name) + QLatin1Char('/');
}
