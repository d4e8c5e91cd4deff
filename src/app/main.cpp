#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velta Cocktails 98"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Velta Cocktails 98"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
