// Installs the program from its distribution image into a per-user program folder.
//   velta98-setup [--target FOLDER]
// Leaves an existing installation untouched.
#include "app/Installer.h"
#include "app/PlatformFolders.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    Installer::Paths paths{PlatformFolders::imageFolder(QCoreApplication::applicationDirPath()),
                           PlatformFolders::defaultProgramFolder(), PlatformFolders::iniPath()};
    const QStringList args = QCoreApplication::arguments();
    const qsizetype targetAt = args.indexOf(QStringLiteral("--target"));
    if (targetAt > 0 && targetAt + 1 < args.size())
        paths.programFolder = args.at(targetAt + 1);

    Installer installer;
    switch (installer.install(paths)) {
    case Installer::Result::Installed:
        out << "Velta Cocktails 98 wurde nach " << paths.programFolder << " installiert.\n";
        return 0;
    case Installer::Result::AlreadyInstalled:
        out << "Velta Cocktails 98 ist bereits installiert (" << paths.iniPath << ").\n";
        return 0;
    case Installer::Result::Failed:
        break;
    }
    err << "Installation fehlgeschlagen: " << installer.errorText() << '\n';
    return 1;
}
