#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream(stderr) << "Aufruf: veltadb info|dump|check|query ...\n";
    return 2;
}
