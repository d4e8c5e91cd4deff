#include "TestFiles.h"
#include "VeltaTest.h"
#include "exchange/BackupSet.h"
#include "exchange/DataFileCopy.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

// Every file of the set with content that tells the generation apart.
void fillSet(const QString& folder, const QByteArray& generation) {
    for (const QString& name : BackupSet::files())
        QVERIFY(TestFiles::writeAll(QDir(folder).filePath(name), generation + name.toLatin1()));
}

bool holdsSet(const QString& folder, const QByteArray& generation) {
    for (const QString& name : BackupSet::files())
        if (TestFiles::readAll(QDir(folder).filePath(name)) != generation + name.toLatin1())
            return false;
    return true;
}

// The real copy, failing on the given file of the set (by its position in the set).
BackupSet::Copier failingAt(int failing) {
    return [failing](const QString& source, const QString& destination) {
        if (QFileInfo(source).fileName() == BackupSet::files().at(failing)) {
            TestFiles::writeAll(destination, "half"); // a copy broken off part-way
            return false;
        }
        return DataFileCopy::CopyDataFile(source, destination);
    };
}

// The sets here are made-up files that tell generations apart, for the copies and moves; the check
// that refuses a damaged backup works on real tables (tst_backupsession).
const BackupSet::Checker kMadeUpSet = [](const QString&) { return QStringList(); };

const QString kBackupFailed = u"Bei der Datensicherung ist ein Fehler aufgetreten.\r"
                              u"Überprüfen Sie den freien Platz auf dem Datenträger."_s;

} // namespace

class TestBackupSet : public QObject {
    Q_OBJECT

private slots:
    void backupCopiesSetAndWritesMarker() {
        QTemporaryDir data, target;
        fillSet(data.path(), "new");
        QVERIFY(TestFiles::writeAll(data.filePath(u"RE.NTX"_s), "index")); // not part of the set
        QVERIFY(TestFiles::writeAll(data.filePath(u"MEINE.TXT"_s), "[1] Mojito\r\nSterne=4\r\n"));
        const BackupSet::Result result = BackupSet::backup(data.path(), target.path());
        QVERIFY(result.ok);
        QCOMPARE(result.caption, Notice::Caption::Hint);
        QCOMPARE(result.text, u"Die Daten wurden im Verzeichnis "_s + target.path() + u"/ gesichert."_s);
        QVERIFY(holdsSet(target.path(), "new"));
        QCOMPARE(TestFiles::readAll(target.filePath(u"_Velta Backup.cfg"_s)),
                 QByteArray("VELTA COCKTAILS 98\r\n"));
        QCOMPARE(TestFiles::readAll(target.filePath(u"MEINE.TXT"_s)),
                 QByteArray("[1] Mojito\r\nSterne=4\r\n"));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files).size(), 9);
    }

    void failedBackupKeepsOlderBackup_data() {
        QTest::addColumn<int>("failing");
        for (int i = 0; i < BackupSet::files().size(); ++i)
            QTest::addRow("%s", qPrintable(BackupSet::files().at(i))) << i;
    }
    void failedBackupKeepsOlderBackup() {
        QFETCH(int, failing);
        QTemporaryDir data, target;
        fillSet(data.path(), "new");
        fillSet(target.path(), "old");
        QVERIFY(TestFiles::writeAll(target.filePath(u"_Velta Backup.cfg"_s), "VELTA COCKTAILS 98\r\n"));
        const BackupSet::Result result = BackupSet::backup(data.path(), target.path(), failingAt(failing));
        QVERIFY(!result.ok);
        QCOMPARE(result.caption, Notice::Caption::Error);
        QCOMPARE(result.text, kBackupFailed);
        QVERIFY(holdsSet(target.path(), "old"));
        QVERIFY(BackupSet::isBackupFolder(target.path()));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files).size(), 8); // no pending files left
    }

    void failedFirstBackupLeavesNoMarker() {
        QTemporaryDir data, target;
        fillSet(data.path(), "new");
        QFile::remove(data.filePath(u"VE.DAT"_s)); // a missing file fails its copy
        const BackupSet::Result result = BackupSet::backup(data.path(), target.path());
        QVERIFY(!result.ok);
        QCOMPARE(result.text, kBackupFailed);
        QVERIFY(!BackupSet::isBackupFolder(target.path()));
    }

    void restoreReplacesData() {
        QTemporaryDir data, source;
        fillSet(data.path(), "current");
        fillSet(source.path(), "saved");
        QVERIFY(TestFiles::writeAll(data.filePath(u"DEFAULT.BMP"_s), "bmp"));
        QVERIFY(TestFiles::writeAll(data.filePath(u"MEINE.TXT"_s), "[1] Mojito\r\nSterne=1\r\n"));
        QVERIFY(TestFiles::writeAll(source.filePath(u"MEINE.TXT"_s), "[1] Mojito\r\nSterne=5\r\n"));
        const BackupSet::Result result =
            BackupSet::restore(source.path(), data.path(), false, {}, kMadeUpSet);
        QVERIFY(result.ok);
        QCOMPARE(result.caption, Notice::Caption::Hint);
        QCOMPARE(result.text,
                 u"Bitte starten Sie Velta Cocktails erneut,\rdamit die Änderungen wirksam werden."_s);
        QVERIFY(holdsSet(data.path(), "saved"));
        QCOMPARE(TestFiles::readAll(data.filePath(u"DEFAULT.BMP"_s)), QByteArray("bmp"));
        QCOMPARE(TestFiles::readAll(data.filePath(u"MEINE.TXT"_s)), QByteArray("[1] Mojito\r\nSterne=5\r\n"));
        QVERIFY(!QFileInfo::exists(BackupSet::stagingFolder(data.path())));
    }

    // The own photos beside the data travel with the backup; a restore brings back those the backup
    // holds, keeps the others, and its undo puts back the ones it replaced. A backup without photos
    // leaves the current ones alone.
    void ownPhotosTravelWithTheBackup() {
        QTemporaryDir home, other, target, older;
        const auto file = [](const QTemporaryDir& dir, const QString& name) { return dir.filePath(name); };
        QVERIFY(QDir().mkpath(file(home, u"DATEN"_s)) && QDir().mkpath(file(home, u"EIGENE"_s)));
        fillSet(file(home, u"DATEN"_s), "new");
        QVERIFY(TestFiles::writeAll(file(home, u"EIGENE/A.BMP"_s), "Foto A"));
        QVERIFY(TestFiles::writeAll(file(home, u"EIGENE/B.BMP"_s), "Foto B"));
        QVERIFY(BackupSet::backup(file(home, u"DATEN"_s), target.path()).ok);
        QCOMPARE(TestFiles::readAll(target.filePath(u"EIGENE/A.BMP"_s)), QByteArray("Foto A"));
        QCOMPARE(TestFiles::readAll(target.filePath(u"EIGENE/B.BMP"_s)), QByteArray("Foto B"));

        const QString data = file(other, u"DATEN"_s);
        QVERIFY(QDir().mkpath(data) && QDir().mkpath(file(other, u"eigene"_s)));
        fillSet(data, "old");
        QVERIFY(TestFiles::writeAll(file(other, u"eigene/A.BMP"_s), "mein A"));
        QVERIFY(TestFiles::writeAll(file(other, u"eigene/C.BMP"_s), "nur meins"));
        QVERIFY(BackupSet::restore(target.path(), data, false, {}, kMadeUpSet).ok);
        QVERIFY(holdsSet(data, "new"));
        QCOMPARE(TestFiles::readAll(file(other, u"eigene/A.BMP"_s)), QByteArray("Foto A"));
        QCOMPARE(TestFiles::readAll(file(other, u"eigene/B.BMP"_s)), QByteArray("Foto B"));
        QCOMPARE(TestFiles::readAll(file(other, u"eigene/C.BMP"_s)), QByteArray("nur meins"));

        QVERIFY(BackupSet::undoRestore(data, false).ok);
        QVERIFY(holdsSet(data, "old"));
        QCOMPARE(TestFiles::readAll(file(other, u"eigene/A.BMP"_s)), QByteArray("mein A"));
        QCOMPARE(TestFiles::readAll(file(other, u"eigene/C.BMP"_s)), QByteArray("nur meins"));

        fillSet(older.path(), "older");
        QVERIFY(TestFiles::writeAll(older.filePath(u"_Velta Backup.cfg"_s), "VELTA COCKTAILS 98\r\n"));
        QVERIFY(BackupSet::restore(older.path(), data, false, {}, kMadeUpSet).ok);
        QCOMPARE(TestFiles::readAll(file(other, u"eigene/A.BMP"_s)), QByteArray("mein A"));
        QCOMPARE(QDir(file(other, u"eigene"_s)).entryList(QDir::Files),
                 (QStringList{u"A.BMP"_s, u"B.BMP"_s, u"C.BMP"_s}));
    }

    void failedRestoreKeepsCurrentData_data() { failedBackupKeepsOlderBackup_data(); }
    void failedRestoreKeepsCurrentData() {
        QFETCH(int, failing);
        QTemporaryDir data, source;
        fillSet(data.path(), "current");
        fillSet(source.path(), "saved");
        const BackupSet::Result result =
            BackupSet::restore(source.path(), data.path(), false, failingAt(failing), kMadeUpSet);
        QVERIFY(!result.ok);
        QCOMPARE(result.caption, Notice::Caption::Error);
        QVERIFY(result.text.contains(u"unverändert"_s));
        QVERIFY(holdsSet(data.path(), "current"));
        QVERIFY(!QFileInfo::exists(BackupSet::stagingFolder(data.path())));
    }

    // What a restore killed at any point leaves behind is, after the next start-up, the current
    // set or the saved one: before the staged set is marked complete the current data stay, after
    // it the staged files still waiting are moved into place.
    void killedRestoreEndsWhole_data() {
        QTest::addColumn<int>("staged");    // files copied into the staging folder before the kill
        QTest::addColumn<bool>("complete"); // the staged set was marked complete
        QTest::addColumn<int>("moved");     // files already moved into the data folder
        const int n = int(BackupSet::files().size());
        for (int i = 0; i < n; ++i)
            QTest::addRow("killed while copying file %d", i + 1) << i << false << 0;
        for (int i = 0; i <= n; ++i)
            QTest::addRow("killed after %d moves", i) << n << true << i;
    }
    void killedRestoreEndsWhole() {
        QFETCH(int, staged);
        QFETCH(bool, complete);
        QFETCH(int, moved);
        QTemporaryDir data;
        fillSet(data.path(), "current");
        const QString staging = BackupSet::stagingFolder(data.path());
        QDir(staging).removeRecursively();
        fillSet(staging, "saved");
        const QStringList set = BackupSet::files();
        for (int i = staged; i < set.size(); ++i)
            QFile::remove(QDir(staging).filePath(set.at(i)));
        if (complete)
            QVERIFY(TestFiles::writeAll(QDir(staging).filePath(u"komplett"_s), "complete\r\n"));
        for (int i = 0; i < moved; ++i) {
            QFile::remove(data.filePath(set.at(i)));
            QVERIFY(QFile::rename(QDir(staging).filePath(set.at(i)), data.filePath(set.at(i))));
        }
        BackupSet::finishRestore(data.path());
        QVERIFY(holdsSet(data.path(), complete ? "saved" : "current"));
        QVERIFY(!QFileInfo::exists(staging));
    }

    // The same for a backup killed at any point: the folder then holds the older backup or the new
    // one, whole, as soon as the next backup or restore uses it, and it stays offered for a restore.
    void killedBackupEndsWhole_data() { killedRestoreEndsWhole_data(); }
    void killedBackupEndsWhole() {
        QFETCH(int, staged);
        QFETCH(bool, complete);
        QFETCH(int, moved);
        QTemporaryDir data, target;
        fillSet(data.path(), "new");
        fillSet(target.path(), "old");
        QVERIFY(TestFiles::writeAll(target.filePath(u"_Velta Backup.cfg"_s), "VELTA COCKTAILS 98\r\n"));
        const QStringList set = BackupSet::files();
        for (int i = 0; i < staged; ++i)
            QVERIFY(QFile::copy(data.filePath(set.at(i)), target.filePath(set.at(i) + u".neu"_s)));
        if (complete) {
            QVERIFY(
                TestFiles::writeAll(target.filePath(u"_Velta Backup.cfg.neu"_s), "VELTA COCKTAILS 98\r\n"));
            if (moved > 0)
                QFile::remove(target.filePath(u"_Velta Backup.cfg"_s));
        }
        for (int i = 0; i < moved; ++i) {
            QFile::remove(target.filePath(set.at(i)));
            QVERIFY(QFile::rename(target.filePath(set.at(i) + u".neu"_s), target.filePath(set.at(i))));
        }
        QVERIFY(BackupSet::isBackupFolder(target.path()));
        QVERIFY(BackupSet::finishBackup(target.path()));
        QVERIFY(holdsSet(target.path(), complete ? "new" : "old"));
        QVERIFY(BackupSet::isBackupFolder(target.path()));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files).size(), int(set.size()) + 1);
    }
};

VELTA_TEST_MAIN_CORE(TestBackupSet)
#include "tst_backupset.moc"
