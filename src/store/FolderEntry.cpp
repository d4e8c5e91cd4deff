#include "store/FolderEntry.h"

#include <QDir>
#include <QFileInfo>

QString FolderEntry::path(const QString& folder, const QString& name) {
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name); // the common case costs no folder listing
    const QStringList entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return dir.filePath(name);
}

bool FolderEntry::exists(const QString& folder, const QString& name) {
    return QFileInfo::exists(path(folder, name));
}
