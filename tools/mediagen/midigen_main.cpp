// velta_midigen: writes the background music VELTA.MID.
#include "BmpFiles.h"
#include "BossaTune.h"

#include <QCoreApplication>
#include <QTextStream>

#include <exception>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "Aufruf: velta_midigen ZIELDATEI\n";
        return 2;
    }
    try {
        BmpFiles::writeFile(args.at(1), BossaTune::compose().encode());
    } catch (const std::exception& e) {
        QTextStream(stderr) << "velta_midigen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
