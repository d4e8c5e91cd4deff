#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "store/FolderEntry.h"

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
};

VELTA_TEST_MAIN_CORE(TestFolderEntry)
#include "tst_folderentry.moc"
