#include "TempDataFolder.h"
#include "VeltaTest.h"
#include "app/ProgramData.h"
#include "common/AppState.h"
#include "common/DataTables.h"
#include "store/DataFolderLock.h"
#include "store/ListsFile.h"
#include "store/RawFile.h"
#include "store/TableSchemas.h"

#include <QFile>

using namespace Qt::StringLiterals;

// What the program loads at the start and saves at the end, without a window.
class TestProgramData : public QObject {
    Q_OBJECT

    struct Program {
        TempDataFolder dir;
        AppState state;
        DataTables tables;
        DataFolderLock lock;
        ProgramData data{state, tables, lock};

        Program() {
            TableSchemas::createMainTables(dir.path());
            state.folders.dataFolder = dir.path() + QLatin1Char('/');
        }
        QByteArray bytes(const QString& name) const {
            QFile f(dir.filePath(name));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }
        void put(const QString& name, const QByteArray& content) const {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
    };

private slots:
    void opensAndSavesAtTheEnd() {
        Program p;
        p.data.loadSettings();
        QVERIFY(p.data.lockFolder());
        QStringList repaired;
        QVERIFY(p.data.openTables(&repaired));
        QVERIFY(repaired.isEmpty());
        p.data.loadChoices();
        QCOMPARE(p.state.catalogue.recipeTotal(), 0);
        p.put(u"SUCHEN.CFG"_s, "mine"); // saved searches on disk are never overwritten at the end
        p.state.settings.changeOptions().set(OptionsRecord::Noises, 0);
        QVERIFY(p.data.saveAtClose().isEmpty());
        QVERIFY(!p.data.tablesOpen());
        QCOMPARE(p.bytes(u"SUCHEN.CFG"_s), QByteArray("mine"));
        QCOMPARE(OptionsRecord::load(p.state.optionsPath()).get(OptionsRecord::Noises), quint8(0));
    }

    // The user's stars, notes and journal come with the tables: a damaged file is said once and set
    // aside, and the start goes on with none.
    void damagedMyDrinksAreSetAside() {
        Program p;
        p.data.loadSettings();
        QStringList repaired;
        QVERIFY(p.data.openTables(&repaired));
        p.data.loadChoices();
        QVERIFY(!p.data.loadMyDrinks());
        p.put(u"MEINE.TXT"_s, "[1] Mojito\r\nSterne=sechs\r\n");
        const std::optional<Notice> said = p.data.loadMyDrinks();
        QVERIFY(said);
        QCOMPARE(said->caption, Notice::Caption::Error);
        QVERIFY2(said->text.contains(u"beiseitegelegt"_s), qPrintable(said->text));
        QCOMPARE(p.bytes(u"MEINE.TXT.beschaedigt"_s), QByteArray("[1] Mojito\r\nSterne=sechs\r\n"));
        QVERIFY(p.state.myDrinks.isEmpty());
        QVERIFY(!p.data.loadMyDrinks()); // said once: the next start finds no file
    }

    // A full disk at the end: each file that could not be written is said, and keeps its last state.
    void aFailedSaveIsSaidAndKeepsTheFile() {
        Program p;
        p.data.loadSettings();
        QString reason;
        QVERIFY(p.state.settings.options().save(p.state.optionsPath(), false, &reason));
        const QByteArray before = p.bytes(u"OPTION.CFG"_s);
        p.state.settings.changeOptions().set(OptionsRecord::Noises, 0);
        RawFile::failWritesAfter(0);
        const QList<Notice> failures = p.data.saveAtClose();
        RawFile::stopFailingWrites();
        QCOMPARE(failures.size(), 2); // the saved searches (none yet) and the options
        for (const Notice& n : failures) {
            QCOMPARE(n.caption, Notice::Caption::Error);
            QVERIFY2(n.text.contains(u".CFG"_s), qPrintable(n.text));
        }
        QCOMPARE(p.bytes(u"OPTION.CFG"_s), before);
        QVERIFY(!QFile::exists(p.dir.filePath(u"SUCHEN.CFG"_s)));
    }

    void aReadOnlyStartWritesNothing() {
        Program p;
        p.state.run.readOnly = true;
        QVERIFY(p.data.lockFolder()); // the medium cannot be written, so nobody else writes either
        QVERIFY(p.data.saveAtClose().isEmpty());
        QVERIFY(!QFile::exists(p.dir.filePath(u"OPTION.CFG"_s)));
        QVERIFY(!QFile::exists(p.dir.filePath(u"SUCHEN.CFG"_s)));
    }

    void aFolderInUseIsRefused() {
        Program p;
        DataFolderLock other;
        QVERIFY(other.acquire(p.state.folders.dataFolder));
        const Result locked = p.data.lockFolder();
        QVERIFY(!locked);
        QCOMPARE(locked.notice().text, DataFolderLock::heldText(p.state.folders.dataFolder));
    }

    void theListsMustNameTheCategories() {
        Program p;
        QVERIFY(!p.data.loadLists()); // no VE.DAT: the start ends
        QStringList categories;
        for (int i = 1; i <= 16; ++i)
            categories << u"Kategorie %1"_s.arg(i);
        QVERIFY(ListsFile::save(p.dir.filePath(u"VE.DAT"_s), categories, {u"süß"_s}));
        QVERIFY(p.data.loadLists());
        QCOMPARE(p.state.catalogue.categories().size(), 16);
    }
};

VELTA_TEST_MAIN_CORE(TestProgramData)
#include "tst_programdata.moc"
