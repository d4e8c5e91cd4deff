// Start-up time: from starting the process to the first painted recipe, on the shipped data,
// offscreen. The benchmark starts itself as a child that builds the program's windows as the
// program does and reports when the recipe view has painted.
#include "app/Application.h"
#include "app/ProgramWindows.h"
#include "app/TMain.h"
#include "browser/gui/RecipeView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// Reports the first paint of the recipe view on stdout and ends the child.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int child(int argc, char** argv, const QString& imageFolder) {
    QApplication app(argc, argv);
    Application::prepare();
    ProgramWindows w(ProgramWindows::withoutIni(imageFolder));
    if (!w.main.create())
        return 1;
    FirstPaint firstPaint;
    w.main.AusgabePaintBox->installEventFilter(&firstPaint);
    w.main.show();
    return QApplication::exec();
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    const QString image = QStringLiteral(VELTA_IMAGE_DIR);
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv, image);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QList<double> times;
    for (int run = 0; run < 11; ++run) {
        QElapsedTimer timer;
        QProcess process;
        timer.start();
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        process.waitForReadyRead(30000);
        const bool painted = process.readAll().contains("painted");
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        process.waitForFinished(30000);
        if (!painted) {
            out << "Start fehlgeschlagen: " << process.readAllStandardError() << "\n";
            return 1;
        }
        if (run > 0) // the first start warms the file cache
            times.append(ms);
    }
    out << "Start bis zum ersten gezeichneten Rezept (offscreen, mitgelieferte Daten): Median "
        << QString::number(median(times), 'f', 1) << " ms, Minimum "
        << QString::number(*std::min_element(times.begin(), times.end()), 'f', 1) << " ms (Ziel 300 ms)\n";
    return 0;
}
