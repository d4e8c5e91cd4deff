#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "store/FolderEntry.h"
#include "store/FolderLookup.h"

using namespace Qt::StringLiterals;

class TestFolderEntry : public QObject {
    Q_OBJECT

private slots:
    void foundWhateverTheCase_data() {
        QTest::addColumn<QString>("onDisk"); // empty: no such file
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found");
        QTest::newRow("same spelling") << "VE.DAT"
                                       << "VE.DAT"
                                       << "VE.DAT";
        QTest::newRow("lower case on disk") << "ve.dat"
                                            << "VE.DAT"
                                            << "ve.dat";
        QTest::newRow("mixed case on disk") << "Option.Cfg"
                                            << "OPTION.CFG"
                                            << "Option.Cfg";
        QTest::newRow("asked in lower case") << "SUCHEN.CFG"
                                             << "suchen.cfg"
                                             << "SUCHEN.CFG";
        QTest::newRow("umlaut") << "ÜBER.TXT"
                                << "über.txt"
                                << "ÜBER.TXT";
        QTest::newRow("missing keeps the asked name") << ""
                                                      << "SUCHEN.CFG"
                                                      << "SUCHEN.CFG";
        QTest::newRow("a longer name is another file") << "VE.DAT.BAK"
                                                       << "VE.DAT"
                                                       << "VE.DAT";
    }
    void foundWhateverTheCase() {
        QFETCH(QString, onDisk);
        QFETCH(QString, asked);
        QFETCH(QString, found);
        TempDataFolder dir;
        if (!onDisk.isEmpty())
            QVERIFY(TestFiles::writeAll(dir.filePath(onDisk), "x"));
        QCOMPARE(FolderEntry::path(dir.path(), asked), dir.filePath(found));
        QCOMPARE(FolderEntry::exists(dir.path(), asked), found == onDisk);
    }

    // A path of several names, each found whatever its case; the exact spelling wins over another.
    void pathsFoundWhateverTheCase_data() {
        QTest::addColumn<QStringList>("onDisk");
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("expected");
        QTest::newRow("exact wins") << QStringList{u"daten/VE.DAT"_s, u"daten/ve.dat"_s} << u"daten/VE.DAT"_s
                                    << u"daten/VE.DAT"_s;
        QTest::newRow("nested") << QStringList{u"Daten/Autorun.ico"_s} << u"DATEN/AUTORUN.ICO"_s
                                << u"Daten/Autorun.ico"_s;
        QTest::newRow("missing keeps the name")
            << QStringList{u"daten/x"_s} << u"DATEN/SUCHEN.CFG"_s << u"daten/SUCHEN.CFG"_s;
        QTest::newRow("folder") << QStringList{u"eigene/1.bmp"_s} << u"EIGENE"_s << u"eigene"_s;
    }
    void pathsFoundWhateverTheCase() {
        QFETCH(QStringList, onDisk);
        QFETCH(QString, relative);
        QFETCH(QString, expected);
        TempDataFolder dir;
        for (const QString& file : onDisk)
            QVERIFY(TestFiles::writeAll(dir.filePath(file), "x"));
        QCOMPARE(FolderLookup::find(dir.path(), relative), dir.filePath(expected));
    }
};

VELTA_TEST_MAIN_CORE(TestFolderEntry)
#include "tst_folderentry.moc"
