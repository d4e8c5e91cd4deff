#pragma once

#include <QString>

// Where the Windows notions of the original land on Linux.
class PlatformFolders {
public:
    // The folder that holds VELTA98.INI (the Windows folder of the original).
    static QString windowsFolder();
    static QString iniPath();
    // The writable per-user program folder the installer copies the data into.
    static QString defaultProgramFolder();
    // The read-only image (DATEN, BILDER, UPDATE): beside the program as the build makes it, or, for
    // a program installed under PREFIX/bin, in PREFIX/share/velta98. Without either: the program's
    // own folder.
    static QString imageFolder(const QString& executableFolder);
    // Whether that image is an installed one: then a user's first start sets up their data from it.
    static bool isInstalledImage(const QString& executableFolder);
};
