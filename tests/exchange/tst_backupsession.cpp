#include "TestFiles.h"
#include "VeltaTest.h"
#include "common/AppState.h"
#include "common/DataTables.h"
#include "exchange/BackupSession.h"
#include "exchange/DataFileCopy.h"
#include "store/TableSchemas.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

void appendRecipe(TApollo& recipes, const QString& name) {
    recipes.AppendBlank();
    recipes.ReplaceText(u"NAME"_s, name);
    recipes.Commit();
}

QStringList recipeNames(TApollo& recipes) {
    QStringList names;
    for (recipes.GoTop(); !recipes.Eof(); recipes.Skip(1))
        names << recipes.GetTrimString(u"NAME"_s);
    return names;
}

} // namespace

// Backup and restore while the program has its tables open: the tables are open again afterwards,
// and what was written before the backup is in it.
class TestBackupSession : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_data;
    AppState m_state;
    std::unique_ptr<DataTables> m_tables;

private slots:
    void init() {
        m_data = m_root.filePath(u"DATEN"_s);
        QDir(m_data).removeRecursively();
        QVERIFY(QDir().mkpath(m_data));
        TableSchemas::createMainTables(m_data);
        QVERIFY(TestFiles::writeAll(QDir(m_data).filePath(u"VE.DAT"_s), "lists"));
        m_state = AppState();
        m_state.folders.dataFolder = m_data + u"/"_s;
        m_tables = std::make_unique<DataTables>();
        m_tables->openMainTables(m_data, false);
    }
    void cleanup() { m_tables.reset(); }

    void backupChangeRestore() {
        QTemporaryDir target;
        BackupSession session(m_state, *m_tables);
        appendRecipe(m_tables->ApolloRezepte, u"Mojito"_s);
        const Notice saved = session.backup(target.path());
        QCOMPARE(saved.caption, u"Hinweis"_s);
        QCOMPARE(saved.lines, 2);
        appendRecipe(m_tables->ApolloRezepte, u"Caipirinha"_s); // the tables are usable again
        QCOMPARE(recipeNames(m_tables->ApolloRezepte), QStringList({u"Mojito"_s, u"Caipirinha"_s}));

        const BackupSession::RestoreOutcome outcome = session.restore(target.path());
        QVERIFY(outcome.restart);
        QCOMPARE(
            outcome.notice,
            Notice::hint(u"Bitte starten Sie Velta Cocktails erneut,\rdamit die Änderungen wirksam werden."_s,
                         2));
        QCOMPARE(recipeNames(m_tables->ApolloRezepte), QStringList({u"Mojito"_s}));
        QVERIFY(!QFileInfo::exists(BackupSet::stagingFolder(m_data)));
    }

    void failedBackupReportsAndReopens() {
        QTemporaryDir target;
        BackupSession session(m_state, *m_tables);
        appendRecipe(m_tables->ApolloRezepte, u"Mojito"_s);
        const Notice failed = session.backup(target.path(), [](const QString& from, const QString& to) {
            return !from.endsWith(u"DE.DBF"_s) && DataFileCopy::CopyDataFile(from, to);
        });
        QCOMPARE(failed, Notice::error(u"Bei der Datensicherung ist ein Fehler aufgetreten.\r"
                                       u"Überprüfen Sie den freien Platz auf dem Datenträger."_s,
                                       3));
        QVERIFY(!BackupSet::isBackupFolder(target.path()));
        QCOMPARE(recipeNames(m_tables->ApolloRezepte), QStringList({u"Mojito"_s}));
    }

    void failedRestoreKeepsTheData() {
        QTemporaryDir target;
        BackupSession session(m_state, *m_tables);
        session.backup(target.path());
        appendRecipe(m_tables->ApolloRezepte, u"Mojito"_s);
        const BackupSession::RestoreOutcome outcome =
            session.restore(target.path(), [](const QString& from, const QString& to) {
                return !from.endsWith(u"VE.DAT"_s) && DataFileCopy::CopyDataFile(from, to);
            });
        QVERIFY(!outcome.restart);
        QCOMPARE(outcome.notice.caption, u"Fehler"_s);
        QCOMPARE(recipeNames(m_tables->ApolloRezepte), QStringList({u"Mojito"_s}));
    }

    void restoreRefusedReadOnly() {
        QTemporaryDir target;
        BackupSession session(m_state, *m_tables);
        session.backup(target.path());
        appendRecipe(m_tables->ApolloRezepte, u"Mojito"_s);
        m_state.startedFromCd = true;
        const BackupSession::RestoreOutcome outcome = session.restore(target.path());
        QVERIFY(!outcome.restart);
        QCOMPARE(outcome.notice, Notice::readOnly());
        QCOMPARE(recipeNames(m_tables->ApolloRezepte), QStringList({u"Mojito"_s}));
    }
};

VELTA_TEST_MAIN_CORE(TestBackupSession)
#include "tst_backupsession.moc"
