#pragma once

#include <QString>

// The program's folders, fixed at start-up from VELTA98.INI or, without it, from the executable's
// folder. Folder texts end in "/"; case is kept (the file systems here are case-sensitive).
struct StartupFolders {
    QString programFolder;
    QString dataFolder;
    QString ownPhotosFolder;
    QString picturesFolder;
    QString cdFolder;
    QString soundFolder;
    bool iniFound = false;

    // A missing INI key gives this default, as the original's did.
    static QString defaultFolder() { return QStringLiteral("C:/xxx/"); }
    static QString addTrailingSeparator(const QString& folder);

    // iniPath: where VELTA98.INI would be; executableFolder: the program's own folder.
    static StartupFolders derive(const QString& iniPath, const QString& executableFolder);
    // Started from the read-only medium: the photos are taken from its BILDER folder.
    void useMediumPictures();
};
