#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "common/AppState.h"

#include <QFile>

using PathOf = QString (AppState::*)() const;
Q_DECLARE_METATYPE(PathOf)

class TestAppState : public QObject {
    Q_OBJECT

private slots:
    // The settings files are found whatever their letter case; a missing one gets its own name.
    void settingsFilesIgnoreLetterCase_data() {
        QTest::addColumn<PathOf>("pathOf");
        QTest::addColumn<QString>("onDisk");
        QTest::addColumn<QString>("expected");
        QTest::newRow("lists file") << &AppState::listsPath << "ve.dat"
                                    << "ve.dat";
        QTest::newRow("options file") << &AppState::optionsPath << "Option.Cfg"
                                      << "Option.Cfg";
        QTest::newRow("saved searches") << &AppState::savedSearchesPath << "suchen.cfg"
                                        << "suchen.cfg";
        QTest::newRow("missing options file") << &AppState::optionsPath << ""
                                              << "OPTION.CFG";
    }
    void settingsFilesIgnoreLetterCase() {
        QFETCH(PathOf, pathOf);
        QFETCH(QString, onDisk);
        QFETCH(QString, expected);
        TempDataFolder dir;
        if (!onDisk.isEmpty())
            QVERIFY(TestFiles::writeAll(dir.filePath(onDisk), "x"));
        AppState state;
        state.folders.dataFolder = dir.path() + QLatin1Char('/');
        QCOMPARE((state.*pathOf)(), dir.filePath(expected));
    }

    // The read-only mark on the lists file counts in any spelling.
    void readOnlyListsFileInLowerCase() {
        TempDataFolder dir;
        QVERIFY(TestFiles::writeAll(dir.filePath(QStringLiteral("ve.dat")), "x"));
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("ve.dat")), QFile::ReadOwner));
        AppState state;
        state.folders.dataFolder = dir.path() + QLatin1Char('/');
        state.probeMedium();
        QVERIFY(state.run.readOnly);
    }
};

VELTA_TEST_MAIN_CORE(TestAppState)
#include "tst_appstate.moc"
