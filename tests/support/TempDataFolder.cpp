#include "TempDataFolder.h"

#include "app/FolderCopy.h"

#include <QDir>
#include <QFile>

TempDataFolder::TempDataFolder(const QString& fixture) {
    m_valid = m_dir.isValid() && (fixture.isEmpty() || copyFolder(fixturePath(fixture), m_dir.path()));
}

QString TempDataFolder::fixturePath(const QString& fixture) {
    return QStringLiteral(VELTA_TEST_DATA_DIR "/") + fixture;
}

bool TempDataFolder::copyFolder(const QString& from, const QString& to) {
    return QDir(from).exists() && FolderCopy::copy(from, to);
}

bool TempDataFolder::copyWritable(const QString& from, const QString& to) {
    if (!copyFolder(from, to))
        return false;
    for (const QString& f : QDir(to).entryList(QDir::Files))
        QFile::setPermissions(QDir(to).filePath(f), QFile::ReadOwner | QFile::WriteOwner);
    return true;
}
