#include "TempDataFolder.h"
#include "VeltaTest.h"
#include "app/MainWindowGeometry.h"
#include "browser/MainLayout.h"
#include "common/StartupFolders.h"
#include "common/Switches.h"
#include "ui/DialogGeometry.h"
#include "ui/ThemeTable.h"

#include <QFile>

using namespace Qt::StringLiterals;

// The start-up and placement rules that need no window.
class TestStartupRules : public QObject {
    Q_OBJECT

private slots:
    void folders_data() {
        QTest::addColumn<QByteArray>("ini");       // empty: no INI file
        QTest::addColumn<QStringList>("expected"); // program, data, own, pictures, cd, sound
        QTest::newRow("no ini: the executable's folder")
            << QByteArray()
            << strings({"/opt/velta/", "/opt/velta/DATEN/", "/opt/velta/EIGENE/", "/opt/velta/BILDER/",
                        "C:/xxx/", "/opt/velta/DATEN/"});
        QTest::newRow("all keys") << QByteArray(
                                         "[VERZEICHNISSE]\r\nPROGRAMM=/home/u/velta\r\nBILDER=/media/cd/\r\n"
                                         "CD=/media/cd/\r\nSOUND=/home/u/velta/\r\n")
                                  << strings({"/home/u/velta/", "/home/u/velta/DATEN/",
                                              "/home/u/velta/EIGENE/", "/media/cd/BILDER/", "/media/cd/",
                                              "/home/u/velta/DATEN/"});
        QTest::newRow("missing keys give the default")
            << QByteArray("[verzeichnisse]\r\nprogramm=/p/\r\n")
            << strings({"/p/", "/p/DATEN/", "/p/EIGENE/", "C:/xxx/BILDER/", "C:/xxx/", "C:/xxx/DATEN/"});
        QTest::newRow("windows separators")
            << QByteArray("[VERZEICHNISSE]\r\nPROGRAMM=C:\\VELTA98\r\n")
            << strings({"C:/VELTA98/", "C:/VELTA98/DATEN/", "C:/VELTA98/EIGENE/", "C:/xxx/BILDER/", "C:/xxx/",
                        "C:/xxx/DATEN/"});
    }
    void folders() {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, expected);
        TempDataFolder dir;
        const QString iniPath = dir.filePath(QStringLiteral("VELTA98.INI"));
        if (!ini.isEmpty()) {
            QFile f(iniPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(ini);
        }
        const StartupFolders f = StartupFolders::derive(iniPath, QStringLiteral("/opt/velta"));
        QCOMPARE(QStringList({f.programFolder, f.dataFolder, f.ownPhotosFolder, f.picturesFolder, f.cdFolder,
                              f.soundFolder}),
                 expected);
        QCOMPARE(f.iniFound, !ini.isEmpty());
    }

    void mediumPicturesBesideData() {
        StartupFolders f =
            StartupFolders::derive(QStringLiteral("/nirgends.ini"), QStringLiteral("/media/velta"));
        f.useMediumPictures();
        QCOMPARE(f.picturesFolder, QStringLiteral("/media/velta/BILDER/"));
    }

    void switches_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("canr");
        QTest::addColumn<bool>("advert");
        QTest::addColumn<bool>("debug");
        QTest::newRow("none") << QStringList() << false << false << false;
        QTest::newRow("Debug in any case") << strings({"Debug"}) << false << false << true;
        QTest::newRow("werbung") << strings({"WERBUNG"}) << false << true << false;
        QTest::newRow("CANR exact") << strings({"CANR"}) << true << false << false;
        QTest::newRow("canr lower case is off") << strings({"canr"}) << false << false << false;
        QTest::newRow("only the first argument") << strings({"x", "debug"}) << false << false << false;
    }
    void switches() {
        QFETCH(QStringList, args);
        const Switches s = Switches::parse(args);
        QTEST(s.canrMode, "canr");
        QTEST(s.advertMode, "advert");
        QTEST(s.debugInfo, "debug");
    }

    void windowSize_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("820 maximised") << QSize(820, 600) << QRect(0, 0, 630, 440) << true;
        QTest::newRow("821 centred") << QSize(821, 700) << QRect(10, 50, 800, 600) << false;
        QTest::newRow("1024x768") << QSize(1024, 768) << QRect(112, 84, 800, 600) << false;
    }
    void windowSize() {
        QFETCH(QSize, screen);
        const MainWindowGeometry::Start start = MainWindowGeometry::startGeometry(screen);
        QTEST(start.rect, "rect");
        QTEST(start.maximised, "maximised");
    }

    void mainBoundsShiftForBigWindows_data() {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("800x600 unchanged") << QRect(10, 20, 800, 600) << QPoint(10, 20);
        QTest::newRow("901x701 shifted") << QRect(10, 20, 901, 701) << QPoint(110, 60);
        QTest::newRow("900 wide unchanged") << QRect(10, 20, 900, 800) << QPoint(10, 20);
    }
    void mainBoundsShiftForBigWindows() {
        QFETCH(QRect, window);
        QFETCH(QPoint, topLeft);
        const QRect bounds = MainWindowGeometry::mainBounds(window);
        QCOMPARE(bounds.topLeft(), topLeft);
        QCOMPARE(bounds.size(), window.size());
    }

    void themes_data() {
        QTest::addColumn<int>("motif");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("main");
        QTest::addColumn<QColor>("rail");
        QTest::newRow("0 damaged") << 0 << "LOW_F"
                                   << "LOW_D" << QColor(0, 128, 128);
        QTest::newRow("1 Oriental") << 1 << "ORIENT_F"
                                    << "ORIENT_D" << QColor(14, 25, 123);
        QTest::newRow("2 Beachcomber") << 2 << "BEACH_F"
                                       << "BEACH_D" << QColor(0, 167, 128);
        QTest::newRow("3 Top of the World") << 3 << "TOP2_F"
                                            << "TOP_D" << QColor(14, 25, 123);
        QTest::newRow("4 Shepard") << 4 << "BEACH2_F"
                                   << "BEACH_D" << QColor(207, 87, 0);
        QTest::newRow("5 Raffles") << 5 << "TOP_F"
                                   << "ORIENT_F" << QColor(190, 110, 30);
        QTest::newRow("6 Lexington") << 6 << "TOP2_F"
                                     << "BEACH2_F" << QColor(14, 25, 123);
        QTest::newRow("7 Route 256") << 7 << "LOW_F"
                                     << "LOW_D" << QColor(0, 128, 128);
        QTest::newRow("8 damaged") << 8 << "LOW_F"
                                   << "LOW_D" << QColor(0, 128, 128);
    }
    void themes() {
        QFETCH(int, motif);
        const Theme t = ThemeTable::forMotif(motif);
        QTEST(t.dialogSkin, "dialog");
        QTEST(t.mainSkin, "main");
        QTEST(t.railColour, "rail");
    }

    void placement_data() {
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("centred") << QRect(100, 50, 800, 600) << QSize(380, 105) << QPoint(310, 297);
        QTest::newRow("odd difference truncates")
            << QRect(0, 0, 801, 601) << QSize(400, 300) << QPoint(200, 150);
        QTest::newRow("larger than the main window, towards zero")
            << QRect(0, 0, 300, 200) << QSize(401, 301) << QPoint(-50, -50);
    }
    void placement() {
        QFETCH(QRect, bounds);
        QFETCH(QSize, window);
        QTEST(DialogGeometry::centreOn(bounds, window), "expected");
    }

    void mainLayout() {
        const MainLayout l = MainLayout::compute(800, 500, 52, 21, 16);
        QCOMPARE(l.scrollDown, QRect(QPoint(478, 468), QPoint(503, 484)));
        QCOMPARE(l.scrollUp, QRect(QPoint(504, 468), QPoint(529, 484)));
        QCOMPARE(l.text, QRect(257, 72, 504, 389));
        QCOMPARE(l.searchField.topLeft(), QPoint(36, 253));
        QCOMPARE(l.list, QRect(36, 283, 150, 175));
        QCOMPARE(l.countLabel.left(), 89);
        QCOMPARE(l.countLabel.top(), 283 + 175 + 5);
        QCOMPARE(l.stepPrevious.left(), 52);
        QCOMPARE(l.markPanel, QRect(766, 18, 18, 18));
    }
};

VELTA_TEST_MAIN_CORE(TestStartupRules)
#include "tst_startuprules.moc"
