#include "TempDataFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

TempDataFolder::TempDataFolder(const QString& fixture) {
    m_valid = m_dir.isValid() && (fixture.isEmpty() || copyFolder(fixturePath(fixture), m_dir.path()));
}

QString TempDataFolder::fixturePath(const QString& fixture) {
    return QStringLiteral(VELTA_TEST_DATA_DIR "/") + fixture;
}

bool TempDataFolder::copyFolder(const QString& from, const QString& to) {
    if (!QDir(from).exists() || !QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString dest = to + source.mid(from.size());
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(dest))
                return false;
        } else if (!QFile::copy(source, dest) ||
                   !QFile::setPermissions(dest, QFile::permissions(dest) | QFile::WriteOwner)) {
            return false;
        }
    }
    return true;
}
