#include "common/StartupFolders.h"

#include "store/FolderLookup.h"
#include "store/IniFile.h"

#include <QDir>
#include <QFileInfo>

QString StartupFolders::addTrailingSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

StartupFolders StartupFolders::derive(const QString& iniPath, const QString& executableFolder) {
    StartupFolders f;
    IniFile ini;
    f.iniFound = QFileInfo(iniPath).isFile() && ini.load(iniPath);
    const QString section = QStringLiteral("VERZEICHNISSE");
    const auto key = [&](const char* name) {
        // A Windows-style value keeps working: backslashes become separators.
        QString value = ini.value(section, QString::fromLatin1(name), defaultFolder());
        value.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return addTrailingSeparator(value);
    };
    f.programFolder = key("PROGRAMM");
    f.picturesFolder = FolderLookup::subfolder(key("BILDER"), QStringLiteral("BILDER"));
    f.cdFolder = key("CD");
    f.soundFolder = FolderLookup::subfolder(key("SOUND"), QStringLiteral("DATEN"));
    if (!f.iniFound) {
        f.programFolder = addTrailingSeparator(QDir::cleanPath(executableFolder));
        f.picturesFolder = FolderLookup::subfolder(f.programFolder, QStringLiteral("BILDER"));
        f.soundFolder = FolderLookup::subfolder(f.programFolder, QStringLiteral("DATEN"));
    }
    f.ownPhotosFolder = FolderLookup::subfolder(f.programFolder, QStringLiteral("EIGENE"));
    f.dataFolder = FolderLookup::subfolder(f.programFolder, QStringLiteral("DATEN"));
    return f;
}

void StartupFolders::useMediumPictures() {
    // The medium's root is the folder that holds DATEN.
    const QString root = QFileInfo(QDir::cleanPath(dataFolder)).path();
    picturesFolder = FolderLookup::subfolder(addTrailingSeparator(root), QStringLiteral("BILDER"));
}
