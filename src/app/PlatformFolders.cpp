#include "app/PlatformFolders.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString env(const char* name) {
    return qEnvironmentVariable(name);
}

bool holdsImage(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("/DATEN")).isDir();
}

QString sharedImage(const QString& executableFolder) {
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/velta98"));
}
} // namespace

QString PlatformFolders::windowsFolder() {
    const QString overridden = env("VELTA98_WINDIR");
    if (!overridden.isEmpty())
        return overridden;
    QString config = env("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/velta98");
}

QString PlatformFolders::iniPath() {
    return windowsFolder() + QStringLiteral("/VELTA98.INI");
}

QString PlatformFolders::defaultProgramFolder() {
    QString data = env("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/velta98");
}

QString PlatformFolders::imageFolder(const QString& executableFolder) {
    return isInstalledImage(executableFolder) ? sharedImage(executableFolder) : executableFolder;
}

bool PlatformFolders::isInstalledImage(const QString& executableFolder) {
    return !holdsImage(executableFolder) && holdsImage(sharedImage(executableFolder));
}
