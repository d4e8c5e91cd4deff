#include "FixtureTables.h"
#include "TempDataFolder.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

namespace {

// MARK of every record, deleted ones included.
QList<int> marks(const QString& folder) {
    TApolloEnv env;
    TTable table(env);
    table.setDatabaseName(folder);
    table.setTableName(QStringLiteral("TT"));
    table.setReadOnly(true);
    table.Open();
    TApollo t(table);
    QList<int> out;
    for (int r = 1; r <= t.RecCount(); ++r) {
        t.Go(r);
        out << int(t.GetInteger(QStringLiteral("MARK")));
    }
    return out;
}

} // namespace

class TestVeltadb : public QObject {
    Q_OBJECT

private slots:
    // The marking verbs run the window's code on a table file. The fixture's marks are 1 0 1 0 1,
    // record 4 deleted.
    void marking_data() {
        QTest::addColumn<QStringList>("args"); // after the verb's table
        QTest::addColumn<QString>("verb");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("mark all") << QStringList() << "mark" << 0 << "markiert: 4"
                                  << QList<int>{1, 1, 1, 0, 1};
        QTest::newRow("mark the filter's recipes")
            << QStringList{QStringLiteral("KAT = 3 .AND. MARK = 0")} << "mark" << 0 << "markiert: 1"
            << QList<int>{1, 1, 1, 0, 1};
        QTest::newRow("filter lists none") << QStringList{QStringLiteral("KAT = 9")} << "mark" << 0
                                           << "markiert: 0" << QList<int>{1, 0, 1, 0, 1};
        QTest::newRow("clear all") << QStringList() << "unmark" << 0 << "Markierungen aufgehoben"
                                   << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("filter outside the language")
            << QStringList{QStringLiteral("KAT < 3")} << "mark" << 1 << "" << QList<int>{1, 0, 1, 0, 1};
        QTest::newRow("unmark with a filter")
            << QStringList{QStringLiteral("KAT = 3")} << "unmark" << 2 << "" << QList<int>{1, 0, 1, 0, 1};
    }
    void marking() {
        QFETCH(QStringList, args);
        QFETCH(QString, verb);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QList<int>, after);
        TempDataFolder dir;
        const QString table = FixtureTables::createTruthTable(dir.path());
        const VeltadbRun run = VeltadbRun::of(QStringList{verb, table} + args);
        QCOMPARE(run.code, exitCode);
        QCOMPARE(run.out.trimmed(), output);
        if (exitCode != 0)
            QVERIFY(!run.err.isEmpty());
        QCOMPARE(marks(dir.path()), after);
    }
};

VELTA_TEST_MAIN_CORE(TestVeltadb)
#include "tst_veltadb.moc"
