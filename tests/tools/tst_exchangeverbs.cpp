#include "TempDataFolder.h"
#include "TestFiles.h"
#include "UpdateFolder.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"
#include "Version1Folder.h"
#include "store/TApolloEnv.h"
#include "store/TableSchemas.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

const QStringList kSet = {u"RE.DBF"_s, u"RE.SMT"_s, u"ZU.DBF"_s, u"ZU.SMT"_s,
                          u"DE.DBF"_s, u"DE.SMT"_s, u"VE.DAT"_s};

void fill(const QString& folder, const QByteArray& generation) {
    for (const QString& name : kSet)
        QVERIFY(TestFiles::writeAll(QDir(folder).filePath(name), generation + name.toLatin1()));
}

using Run = VeltadbRun;

Run veltadb(const QStringList& args) {
    return VeltadbRun::of(args);
}

} // namespace

class TestExchangeVerbs : public QObject {
    Q_OBJECT

private slots:
    // A nightly backup, a change, and the restore bring the saved data back; the undo of the
    // restore brings the change back.
    void backupThenRestore() {
        QTemporaryDir root, target;
        const QString data = root.filePath(u"DATEN"_s);
        QVERIFY(TempDataFolder::copyWritable(QStringLiteral(VELTA_IMAGE_DIR "/DATEN"), data));
        Run run = veltadb({u"sichern"_s, data, target.path()});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.contains(u"gesichert."_s));
        QVERIFY(QFile::exists(target.filePath(u"_Velta Backup.cfg"_s)));
        const QByteArray saved = TestFiles::readAll(data + u"/VE.DAT"_s);
        QCOMPARE(veltadb({u"category-add"_s, data, u"Neu"_s}).code, 0);
        const QByteArray changed = TestFiles::readAll(data + u"/VE.DAT"_s);
        run = veltadb({u"zuruecksichern"_s, target.path(), data});
        QCOMPARE(run.code, 0);
        QCOMPARE(TestFiles::readAll(data + u"/VE.DAT"_s), saved);
        run = veltadb({u"zuruecksichern-rueckgaengig"_s, data});
        QCOMPARE(run.code, 0);
        QCOMPARE(TestFiles::readAll(data + u"/VE.DAT"_s), changed);
        QCOMPARE(veltadb({u"check"_s, data}).code, 0);

        // A backup whose table no longer opens is refused, and the data stay as they are.
        QVERIFY(TestFiles::writeAll(target.filePath(u"RE.DBF"_s), "kaputt"));
        run = veltadb({u"zuruecksichern"_s, target.path(), data});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(u"beschädigt"_s), qPrintable(run.err));
        QCOMPARE(TestFiles::readAll(data + u"/VE.DAT"_s), changed);
    }

    void refusals_data() {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<bool>("targetIsData");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("restore without marker")
            << u"zuruecksichern"_s << false << 1 << u"keine gesicherten Daten."_s;
        QTest::newRow("backup into data folder") << u"sichern"_s << true << 1 << u"anderes Verzeichnis"_s;
        QTest::newRow("unknown verb") << u"retten"_s << false << 2 << u"Aufruf:"_s;
    }
    void refusals() {
        QFETCH(QString, verb);
        QFETCH(bool, targetIsData);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir data, other;
        fill(data.path(), "current");
        QVERIFY(TestFiles::writeAll(data.filePath(u"DEFAULT.BMP"_s), "bmp"));
        const QString otherFolder = targetIsData ? data.path() : other.path();
        // The restore names the backup first, the backup names the data first.
        const Run run = verb == u"zuruecksichern"_s ? veltadb({verb, otherFolder, data.path()})
                                                    : veltadb({verb, data.path(), otherFolder});
        QCOMPARE(run.code, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(TestFiles::readAll(data.filePath(u"RE.DBF"_s)), QByteArray("currentRE.DBF"));
    }

    void restoreRefusedOnReadOnlyData() {
        QTemporaryDir data, backup;
        fill(data.path(), "current");
        fill(backup.path(), "saved");
        QVERIFY(TestFiles::writeAll(backup.filePath(u"_Velta Backup.cfg"_s), "VELTA COCKTAILS 98\r\n"));
        QFile::setPermissions(data.filePath(u"VE.DAT"_s), QFile::ReadOwner);
        const Run run = veltadb({u"zuruecksichern"_s, backup.path(), data.path()});
        QFile::setPermissions(data.filePath(u"VE.DAT"_s), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(u"gespert"_s));
        QCOMPARE(TestFiles::readAll(data.filePath(u"RE.DBF"_s)), QByteArray("currentRE.DBF"));
    }

    // The import takes a version-1 folder over; a folder without version 1 is refused.
    void importVersion1() {
        QTemporaryDir data, v1, empty;
        TableSchemas::createMainTables(data.path());
        {
            TApolloEnv env;
            Version1Folder::write(env, v1.path(), {{u"Schlehe"_s}}, {{u"Schlehenfeuer"_s, {}, {{188, 4}}}});
        }
        Run run = veltadb({u"importieren"_s, data.path(), empty.path()});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(u"keine\nVersion von Velta Cocktails 1.0."_s));
        run = veltadb({u"importieren"_s, data.path(), v1.path()});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, u"Rezepte: 1\nZutaten: 1\n"_s);
        run = veltadb({u"recipe-list"_s, data.path()});
        QVERIFY2(run.out.contains(u"Schlehenfeuer"_s), qPrintable(run.out));
    }

    // An update twice: the second run adds nothing.
    void recipeUpdateTwice() {
        QTemporaryDir data, update;
        TableSchemas::createMainTables(data.path());
        {
            TApolloEnv env;
            UpdateFolder::write(env, update.path(), {{u"Gletscherblau"_s}}, {{402, u"Yuzu"_s}});
        }
        Run run = veltadb({u"rezept-updates"_s, data.path(), update.path()});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, u"Rezepte: 1\nZutaten: 1\n"_s);
        run = veltadb({u"rezept-updates"_s, data.path(), update.path()});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out,
                 u"Rezepte: 0\nZutaten: 0\nSeit dem letzten Update sind\nkeine Rezepte hinzugekommen.\n"_s);
    }
};

VELTA_TEST_MAIN_CORE(TestExchangeVerbs)
#include "tst_exchangeverbs.moc"
