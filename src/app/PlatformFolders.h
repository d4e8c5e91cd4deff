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
};
