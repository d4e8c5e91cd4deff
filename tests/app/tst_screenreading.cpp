#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "app/CommandTable.h"
#include "app/ProgramWindows.h"
#include "app/TMain.h"
#include "ui/AccessibleNames.h"
#include "ui/EntryList.h"

#include <QDialog>
#include <QFileDialog>
#include <QImage>
#include <QListView>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryFile>
#include <QTimer>

namespace {

QString className(const QObject* o) {
    return QString::fromLatin1(o->metaObject()->className());
}

// The height in pixels of what is drawn in rect, over the colour most of rect shows.
int inkHeight(const QImage& image, const QRect& rect) {
    QHash<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(ground))
            ground = it.key();
    int top = -1;
    int bottom = -1;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qGray(p) - qGray(ground)) > 90) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
        }
    }
    return top < 0 ? 0 : bottom - top + 1;
}

QRect scaled(const QRect& r, qreal ratio) {
    return QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio).toRect();
}

} // namespace

// What a user sees and hears beyond the plain screen: every control has a name a screen reader can
// read, and on a scaled screen the text of menus and recipe list grows with everything else.
class TestScreenReading : public QObject {
    Q_OBJECT

private slots:
    void everyControlOfEveryWindowHasAName() {
        TempDataFolder dir;
        auto shell = StartupFixture::showProgram(dir.path(), true);
        QVERIFY(shell);
        MessageBoxAnswerer answers; // whatever a command asks is answered
        QString command = QStringLiteral("Hauptfenster");
        QStringList unnamed;
        QSet<QString> windows;
        QList<QWidget*> seen;
        const auto walk = [&](QWidget* window) {
            windows.insert(className(window));
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (AccessibleNames::isControl(w) && AccessibleNames::nameOf(w).isEmpty())
                    unnamed << QStringLiteral("%1 / %2: %3 %4")
                                   .arg(command, className(window), className(w), w->objectName());
            }
        };
        walk(&shell->main);
        // Each window a command opens is read once, then closed, modal or not.
        const auto readAndClose = [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top == &shell->main || !top->isVisible() || qobject_cast<QMenu*>(top))
                    continue;
                if (!seen.contains(top) && !qobject_cast<QFileDialog*>(top)) {
                    seen.append(top);
                    walk(top);
                }
                if (auto* dialog = qobject_cast<QDialog*>(top))
                    dialog->reject();
                else
                    top->close();
            }
        };
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, readAndClose);
        closer.start(20);
        QStringList names = shell->main.commands->names();
        names.removeAll(QStringLiteral("Beenden"));
        names.sort();
        for (const QString& name : std::as_const(names)) {
            command = name;
            seen.clear();
            shell->main.commands->run(name);
            QTest::qWait(60);
        }
        closer.stop();
        StartupFixture::closeProgram(shell);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
        QVERIFY2(windows.size() >= 20, qPrintable(QStringList(windows.cbegin(), windows.cend()).join(u' ')));
    }

    // The text of the menu bar and of the recipe list, measured in a program started at 100 % and at
    // 200 %: twice the screen, twice the letters.
    void textGrowsWithTheScreen() {
        QList<QStringList> sizes;
        for (const char* factor : {"1", "2"}) {
            QTemporaryFile out;
            QVERIFY(out.open());
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(factor));
            env.insert(QStringLiteral("VELTA_MEASURE_TEXT"), out.fileName());
            child.setProcessEnvironment(env);
            // The folder's test executable runs this class by its name.
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("tst_screenreading"), QStringLiteral("measureText")});
            QVERIFY(child.waitForFinished(50000));
            QCOMPARE(child.exitCode(), 0);
            sizes.append(QString::fromLatin1(out.readAll()).split(u' '));
        }
        QCOMPARE(sizes.at(0).size(), 2);
        QCOMPARE(sizes.at(1).size(), 2);
        for (int i = 0; i < 2; ++i) {
            const double ratio = sizes.at(1).at(i).toDouble() / sizes.at(0).at(i).toDouble();
            QVERIFY2(ratio > 1.75 && ratio < 2.3,
                     qPrintable(sizes.at(0).join(u' ') + u" / " + sizes.at(1).join(u' ')));
        }
    }

    // Run by textGrowsWithTheScreen in a program of its own at the scale it sets.
    void measureText() {
        const QString out = qEnvironmentVariable("VELTA_MEASURE_TEXT");
        if (out.isEmpty())
            QSKIP("measures for textGrowsWithTheScreen only");
        TempDataFolder dir;
        auto shell = StartupFixture::showProgram(dir.path(), true);
        QVERIFY(shell);
        shell->main.setWindowState(Qt::WindowNoState);
        shell->main.resize(800, 600);
        QVERIFY(QTest::qWaitForWindowExposed(&shell->main));
        QMenuBar* bar = shell->main.menuBar();
        const QImage menu = bar->grab().toImage();
        const qreal ratio = menu.devicePixelRatio();
        const int menuHeight = inkHeight(menu, scaled(bar->actionGeometry(bar->actions().first()), ratio));
        QListView* list = shell->main.HauptListBox;
        const QImage rows = list->viewport()->grab().toImage();
        const int listHeight = inkHeight(rows, scaled(list->visualRect(list->model()->index(1, 0)), ratio));
        if (qEnvironmentVariableIsSet("VELTA_DEBUG_SHOTS")) {
            menu.save(out + QStringLiteral(".menu.png"));
            rows.save(out + QStringLiteral(".list.png"));
        }
        QFile file(out);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(menuHeight) + ' ' + QByteArray::number(listHeight));
        StartupFixture::closeProgram(shell);
    }
};

VELTA_TEST_MAIN_GUI(TestScreenReading)
#include "tst_screenreading.moc"
