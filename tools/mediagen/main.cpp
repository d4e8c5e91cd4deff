// velta_mediagen: writes the program's pictures, photos and resources, and the review sheets.
#include "ContactSheets.h"
#include "MediaJobs.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <exception>

namespace {

int usage() {
    QTextStream(stderr) << "Aufruf:\n"
                           "  velta_mediagen pictures DATENORDNER\n"
                           "  velta_mediagen photos DATENORDNER BILDERORDNER STEMPELDATEI\n"
                           "  velta_mediagen resources ZIELORDNER\n"
                           "  velta_mediagen icons ZIELORDNER\n"
                           "  velta_mediagen sheets ABBILDORDNER ZIELORDNER\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Painting text needs a GUI application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3)
        return usage();
    const QString& command = args.at(1);
    try {
        if (command == QStringLiteral("pictures") && args.size() == 3) {
            MediaJobs::writePictures(args.at(2));
        } else if (command == QStringLiteral("photos") && args.size() == 5) {
            if (!MediaJobs::writePhotos(args.at(2), args.at(3), args.at(4)))
                QTextStream(stdout) << "velta_mediagen: keine Rezepttabelle in " << args.at(2)
                                    << ", keine Fotos\n";
        } else if (command == QStringLiteral("resources") && args.size() == 3) {
            MediaJobs::writeResources(args.at(2));
        } else if (command == QStringLiteral("icons") && args.size() == 3) {
            MediaJobs::writeThemeIcons(args.at(2));
        } else if (command == QStringLiteral("sheets") && args.size() == 4) {
            ContactSheets::writeAll(args.at(2), args.at(3));
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        QTextStream(stderr) << "velta_mediagen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
