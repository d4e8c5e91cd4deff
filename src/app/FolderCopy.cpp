#include "app/FolderCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

bool FolderCopy::copy(const QString& from, const QString& to, QString* error) {
    const auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (!QDir().mkpath(to))
        return fail(QStringLiteral("Ordner kann nicht angelegt werden: ") + to);
    if (!QFileInfo(from).isDir())
        return true;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString dest = to + source.mid(from.size());
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(dest))
                return fail(QStringLiteral("Ordner kann nicht angelegt werden: ") + dest);
            continue;
        }
        if (!QFile::copy(source, dest))
            return fail(QStringLiteral("Datei kann nicht kopiert werden: ") + source);
        QFile::setPermissions(dest, QFile::permissions(dest) | QFile::WriteOwner | QFile::ReadOwner);
    }
    return true;
}
