#pragma once

#include <QString>

// Copies the distribution image's data into a writable per-user program folder and writes
// VELTA98.INI, as the installer of the original did. An existing installation is never touched.
class Installer {
public:
    enum class Result { Installed, AlreadyInstalled, Failed };

    struct Paths {
        QString imageFolder;   // holds DATEN/ and BILDER/ as built
        QString programFolder; // becomes PROGRAMM in the INI
        QString iniPath;
    };

    Result install(const Paths& paths);
    QString errorText() const { return m_error; }

    static bool isInstalled(const Paths& paths);

private:
    bool copyTree(const QString& from, const QString& to);
    bool writeIni(const Paths& paths);
    QString m_error;
};
