#include "common/StartupFolders.h"

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
    f.picturesFolder = key("BILDER") + QStringLiteral("BILDER/");
    f.cdFolder = key("CD");
    f.soundFolder = key("SOUND") + QStringLiteral("DATEN/");
    if (!f.iniFound) {
        f.programFolder = addTrailingSeparator(QDir::cleanPath(executableFolder));
        f.picturesFolder = f.programFolder + QStringLiteral("BILDER/");
        f.soundFolder = f.programFolder + QStringLiteral("DATEN/");
    }
    f.ownPhotosFolder = f.programFolder + QStringLiteral("EIGENE/");
    f.dataFolder = f.programFolder + QStringLiteral("DATEN/");
    return f;
}

void StartupFolders::useMediumPictures() {
    // The medium's root is the folder that holds DATEN.
    const QString root = QFileInfo(QDir::cleanPath(dataFolder)).path();
    picturesFolder = addTrailingSeparator(root) + QStringLiteral("BILDER/");
}
