#include "app/Installer.h"

#include "app/FolderCopy.h"

#include "store/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString withSeparator(QString folder) {
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

bool Installer::isInstalled(const Paths& paths) {
    return QFileInfo::exists(paths.iniPath) ||
           QFileInfo::exists(paths.programFolder + QStringLiteral("/DATEN"));
}

Installer::Result Installer::install(const Paths& paths) {
    m_error.clear();
    if (isInstalled(paths))
        return Result::AlreadyInstalled;
    if (!QFileInfo(paths.imageFolder + QStringLiteral("/DATEN")).isDir()) {
        m_error = QStringLiteral("Im Programmabbild fehlt der Ordner DATEN: ") + paths.imageFolder;
        return Result::Failed;
    }
    const QDir target(paths.programFolder);
    if (target.exists() && !target.isEmpty()) {
        m_error = QStringLiteral("Der Zielordner ist nicht leer: ") + paths.programFolder;
        return Result::Failed;
    }
    // Build the installation beside its final place, then move it there in one step, so an
    // interrupted setup never leaves a half-filled program folder that would count as installed.
    const QString staging = paths.programFolder + QStringLiteral(".setup-tmp");
    QDir(staging).removeRecursively();
    const bool copied =
        copyTree(paths.imageFolder + QStringLiteral("/DATEN"), staging + QStringLiteral("/DATEN")) &&
        copyTree(paths.imageFolder + QStringLiteral("/BILDER"), staging + QStringLiteral("/BILDER")) &&
        QDir().mkpath(staging + QStringLiteral("/EIGENE"));
    if (!copied) {
        QDir(staging).removeRecursively();
        return Result::Failed;
    }
    target.rmdir(paths.programFolder);
    if (!QDir().mkpath(QFileInfo(paths.programFolder).absolutePath()) ||
        !QDir().rename(staging, paths.programFolder)) {
        m_error = QStringLiteral("Der Programmordner konnte nicht angelegt werden: ") + paths.programFolder;
        QDir(staging).removeRecursively();
        return Result::Failed;
    }
    return writeIni(paths) ? Result::Installed : Result::Failed;
}

bool Installer::copyTree(const QString& from, const QString& to) {
    return FolderCopy::copy(from, to, &m_error);
}

bool Installer::writeIni(const Paths& paths) {
    const QString program = withSeparator(QFileInfo(paths.programFolder).absoluteFilePath());
    IniFile ini;
    const QString section = QStringLiteral("VERZEICHNISSE");
    ini.setValue(section, QStringLiteral("PROGRAMM"), program);
    ini.setValue(section, QStringLiteral("BILDER"), program);
    ini.setValue(section, QStringLiteral("CD"),
                 withSeparator(QFileInfo(paths.imageFolder).absoluteFilePath()));
    ini.setValue(section, QStringLiteral("SOUND"), program);
    if (!QDir().mkpath(QFileInfo(paths.iniPath).absolutePath()) || !ini.save(paths.iniPath)) {
        m_error = QStringLiteral("VELTA98.INI kann nicht geschrieben werden: ") + paths.iniPath;
        return false;
    }
    return true;
}
