#include "FixtureTables.h"
#include "TempDataFolder.h"
#include "VeltaTest.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QProcess>

// The filters of the xBase truth table, applied through `veltadb query` on a table written by the
// store, and through the store's own navigation for GoTop / GoBottom.
class TestTruthTable : public QObject {
    Q_OBJECT

    TempDataFolder m_dir;
    QString m_smt;
    QString m_dbt;

    static QString runQuery(const QString& table, const QString& filter, int* exitCode) {
        QProcess p;
        p.start(QStringLiteral(VELTADB_PATH), {QStringLiteral("query"), table, filter});
        p.waitForFinished(30000);
        *exitCode = p.exitCode();
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

private slots:
    void initTestCase() {
        QDir().mkpath(m_dir.filePath(QStringLiteral("smt")));
        QDir().mkpath(m_dir.filePath(QStringLiteral("dbt")));
        m_smt = FixtureTables::createTruthTable(m_dir.filePath(QStringLiteral("smt")), 0xE5);
        m_dbt = FixtureTables::createTruthTable(m_dir.filePath(QStringLiteral("dbt")), 0x83);
    }

    void filters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::newRow("AT and KAT") << QStringLiteral("AT(\"   42\",Z)>0 .AND. KAT = 3") << "1 2" << 1 << 2;
        QTest::newRow("BILD = e") << QStringLiteral("BILD = \"e\"") << "1 5" << 1 << 5;
        QTest::newRow("BILD = empty") << QStringLiteral("BILD = \"\"") << "1 2 3 5" << 1 << 5;
        QTest::newRow("BILD = e padded") << QStringLiteral("BILD = \"e    \"") << "1" << 1 << 1;
        QTest::newRow("BILD longer than field") << QStringLiteral("BILD = \"e     \"") << "" << 6 << 6;
        QTest::newRow("AND binds tighter") << "KAT = 2 .OR. KAT = 3 .AND. MARK = 0"
                                           << "2 3" << 2 << 3;
        QTest::newRow("parentheses") << "(KAT = 2 .OR. KAT = 3) .AND. MARK = 0"
                                     << "2" << 2 << 2;
        QTest::newRow("AT = 0") << QStringLiteral("AT(\"  305\",Z)=0") << "1 2 5" << 1 << 5;
        QTest::newRow("AT or AT") << QStringLiteral("AT(\"    7\",Z)>0 .OR. AT(\"  142\",Z)>0") << "1 2 3"
                                  << 1 << 3;
        QTest::newRow("CANR") << "CANR = 3321"
                              << "1 5" << 1 << 5;
        QTest::newRow("alcohol range") << "ALK >= 0 .AND. ALK <= 20"
                                       << "2 3 5" << 2 << 5;
        QTest::newRow("no match") << "KAT = 9"
                                  << "" << 6 << 6;
        QTest::newRow("empty needle") << QStringLiteral("AT(\"\",Z)>0") << "" << 6 << 6;
        QTest::newRow("blanks optional") << "KAT=3.AND.MARK=1"
                                         << "1 5" << 1 << 5;
        QTest::newRow("umlaut literal") << QStringLiteral("NAME = \"Ä\"") << "3" << 3 << 3;
        QTest::newRow("no filter") << ""
                                   << "1 2 3 5" << 1 << 5;
    }
    void filters() {
        QFETCH(QString, filter);
        QFETCH(QString, visible);
        QFETCH(int, top);
        QFETCH(int, bottom);
        const QStringList expected = visible.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& table : {m_smt, m_dbt}) {
            int exitCode = -1;
            QStringList lines = runQuery(table, filter, &exitCode).split(QLatin1Char('\n'));
            QCOMPARE(exitCode, 0);
            QCOMPARE(lines.takeLast(), QStringLiteral("count: %1").arg(expected.size()));
            QCOMPARE(lines.join(QLatin1Char(' ')).trimmed(), expected.join(QLatin1Char(' ')));
        }
        TApolloEnv env;
        env.SetDeleted(true);
        TTable table(env);
        table.setDatabaseName(m_dir.filePath(QStringLiteral("smt")));
        table.setTableName(QStringLiteral("TT"));
        table.setReadOnly(true);
        table.Open();
        TApollo t(table);
        QCOMPARE(t.Query(filter), int(expected.size()));
        QCOMPARE(t.RecCount(), 5);
        t.GoTop();
        QCOMPARE(t.RecNo(), top);
        QCOMPARE(t.Eof(), expected.isEmpty());
        QCOMPARE(t.Bof(), expected.isEmpty());
        t.GoBottom();
        QCOMPARE(t.RecNo(), bottom);
    }

    void deletedShownWhenNotHidden() {
        int exitCode = -1;
        TApolloEnv env; // hiding off: the engine's default
        TTable table(env);
        table.setDatabaseName(m_dir.filePath(QStringLiteral("dbt")));
        table.setTableName(QStringLiteral("tt.dbf"));
        table.setReadOnly(true);
        table.Open();
        TApollo t(table);
        QCOMPARE(t.Count(), 5);
        t.GoTop();
        QCOMPARE(t.RecNo(), 1);
        t.GoBottom();
        QCOMPARE(t.RecNo(), 5);
        Q_UNUSED(exitCode);
    }

    void infoAndDump() {
        QProcess p;
        p.start(QStringLiteral(VELTADB_PATH), {QStringLiteral("info"), m_dbt});
        QVERIFY(p.waitForFinished(30000));
        const QString info = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(info.contains(QStringLiteral("Version:      0x83")), qPrintable(info));
        QVERIFY(info.contains(QStringLiteral("Sätze:        5")));
        QVERIFY(info.contains(QStringLiteral("ANLEITUNG  M 10")));
        p.start(QStringLiteral(VELTADB_PATH), {QStringLiteral("dump"), m_smt});
        QVERIFY(p.waitForFinished(30000));
        const QString dump = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY(dump.contains(QStringLiteral("#4 (gelöscht)\n  NAME = Geloescht")));
        QVERIFY(dump.contains(QStringLiteral("ANLEITUNG = Anleitung für Ärger")));
        QCOMPARE(p.exitCode(), 0);
    }

    void driverByFirstByte() {
        QCOMPARE(TTable::detectDriver(m_smt), TTable::Driver::Nsx);
        QCOMPARE(TTable::detectDriver(m_dbt), TTable::Driver::Ntx);
        QCOMPARE(TTable::detectDriver(m_dir.filePath(QStringLiteral("fehlt.dbf"))), TTable::Driver::None);
        QCOMPARE(TTable::driverFromName(QStringLiteral("SXNTX")), TTable::Driver::Ntx);
        QCOMPARE(TTable::driverFromName(QStringLiteral("SXFOX")), TTable::Driver::Fox);
        QCOMPARE(TTable::driverFromName(QStringLiteral("sxnsx")), TTable::Driver::Nsx);
    }

    void refusesExpressionsOutsideTheLanguage_data() {
        QTest::addColumn<QString>("filter");
        QTest::newRow("unknown field") << "PREIS = 3";
        QTest::newRow("less than") << "KAT < 3";
        QTest::newRow("not equal") << "KAT <> 3";
        QTest::newRow(".NOT.") << ".NOT. KAT = 3";
        QTest::newRow("string greater") << QStringLiteral("BILD > \"e\"");
        QTest::newRow("string against number") << QStringLiteral("KAT = \"3\"");
        QTest::newRow("bare field") << "KAT";
        QTest::newRow("unclosed string") << QStringLiteral("BILD = \"e");
        QTest::newRow("unclosed paren") << "(KAT = 3";
        QTest::newRow("AT with one argument") << QStringLiteral("AT(\"42\")>0");
        QTest::newRow("trailing operator") << "KAT = 3 .AND.";
        QTest::newRow("single quotes") << "BILD = 'e'";
        QTest::newRow("logical field") << "H1 = 1";
    }
    void refusesExpressionsOutsideTheLanguage() {
        QFETCH(QString, filter);
        QProcess p;
        p.start(QStringLiteral(VELTADB_PATH), {QStringLiteral("query"), m_smt, filter});
        QVERIFY(p.waitForFinished(30000));
        QVERIFY(p.exitCode() != 0);
        QVERIFY(
            QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("Filterausdruck ungültig")));
        QVERIFY(p.readAllStandardOutput().isEmpty());
    }
};

VELTA_TEST_MAIN_CORE(TestTruthTable)
#include "tst_truthtable.moc"
