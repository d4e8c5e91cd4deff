#include "TestFiles.h"
#include "VeltaTest.h"
#include "exchange/ImportChooserSession.h"

#include <QDir>

using namespace Qt::StringLiterals;

// What each caller of the folder chooser accepts, and the message that keeps it open otherwise.
class TestImportChooserSession : public QObject {
    Q_OBJECT

private slots:
    void checks_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("file"); // put into the chosen folder first; empty: none
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<int>("lines");
        const QString noVersion1 =
            u"In diesem Verzeichnis befindet sich keine\rVersion von Velta Cocktails 1.0."_s;
        const QString noBackup = u"In diesem Verzeichnis befinden sich\rkeine gesicherten Daten."_s;
        const QString noUpdates = u"In diesem Verzeichnis befinden sich\rkeine Rezept-Updates."_s;
        const QString dataFolder = u"Wählen Sie bitte ein anderes Verzeichnis."_s;
        using S = ImportChooserSession;
        QTest::newRow("version 1 found") << int(S::Version1) << u"REZEPTE.100"_s << QString() << 0;
        QTest::newRow("version 1, name in small letters")
            << int(S::Version1) << u"rezepte.100"_s << QString() << 0;
        QTest::newRow("version 1 missing") << int(S::Version1) << u"ZUTATEN.100"_s << noVersion1 << 2;
        QTest::newRow("backup into a subfolder") << int(S::Backup) << QString() << QString() << 0;
        QTest::newRow("backup over an older backup")
            << int(S::Backup) << u"_Velta Backup.cfg"_s << QString() << 0;
        QTest::newRow("backup into the data folder") << int(S::Backup) << u"DEFAULT.BMP"_s << dataFolder << 1;
        QTest::newRow("restore with marker") << int(S::Restore) << u"_Velta Backup.cfg"_s << QString() << 0;
        QTest::newRow("restore without marker") << int(S::Restore) << u"RE.DBF"_s << noBackup << 2;
        QTest::newRow("updates found") << int(S::Updates) << u"V98_R.DBF"_s << QString() << 0;
        QTest::newRow("updates, only ingredients") << int(S::Updates) << u"V98_Z.DBF"_s << noUpdates << 2;
    }
    void checks() {
        QFETCH(int, mode);
        QFETCH(QString, file);
        QFETCH(QString, refusal);
        QFETCH(int, lines);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"Auswahl"_s);
        QVERIFY(QDir().mkpath(folder));
        // An empty marker is as good as a written one: its content is never read.
        if (!file.isEmpty())
            QVERIFY(TestFiles::writeAll(QDir(folder).filePath(file), QByteArray()));
        ImportChooserSession session(static_cast<ImportChooserSession::Mode>(mode));
        const Result result = session.choose(folder);
        if (refusal.isEmpty()) {
            QVERIFY(result.isOk());
            QCOMPARE(session.chosenFolder(), folder + u"/"_s);
        } else {
            QVERIFY(!result.isOk());
            QCOMPARE(result.notice(), Notice::hint(refusal, lines));
            QVERIFY(session.chosenFolder().isEmpty());
        }
    }

    void backupRefusesTheRoot() {
        ImportChooserSession session(ImportChooserSession::Backup);
        const Result result = session.choose(QDir::rootPath());
        QVERIFY(!result.isOk());
        QCOMPARE(
            result.notice(),
            Notice::hint(u"Im Root-Verzeichnis der Festplatte sollten\rSie keine Backups anlegen."_s, 2));
    }

    // A refused choice keeps the folder accepted before; a vanished folder is refused.
    void refusalKeepsTheEarlierChoice() {
        QTemporaryDir dir;
        ImportChooserSession session(ImportChooserSession::Backup);
        QVERIFY(session.choose(dir.path() + u"/"_s).isOk());
        QVERIFY(!session.choose(dir.filePath(u"fehlt"_s)).isOk());
        QCOMPARE(session.chosenFolder(), dir.path() + u"/"_s);
    }
};

VELTA_TEST_MAIN_CORE(TestImportChooserSession)
#include "tst_importchoosersession.moc"
