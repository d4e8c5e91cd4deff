#include "FixtureTables.h"
#include "PowerLoss.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "store/BulkWrite.h"
#include "store/DbfFile.h"
#include "store/RawFile.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <memory>

namespace {

// A table component with its record-level operations on the fixture table "TT".
struct Table {
    TTable table;
    TApollo t;
    Table(TApolloEnv& env, const QString& folder, bool readOnly = false) : table(env), t(table) {
        table.setDatabaseName(folder);
        table.setTableName(QStringLiteral("TT"));
        table.setReadOnly(readOnly);
        table.Open();
    }
};

// Every record, deleted ones included: name, mark, instructions.
QStringList contents(TApollo& t) {
    QStringList out;
    for (int r = 1; r <= t.RecCount(); ++r) {
        t.Go(r);
        out << QStringLiteral("%1%2|%3|%4")
                   .arg(t.IsDeleted() ? QStringLiteral("*") : QString(),
                        t.GetTrimString(QStringLiteral("NAME")))
                   .arg(t.GetInteger(QStringLiteral("MARK")))
                   .arg(t.GetMemo(QStringLiteral("ANLEITUNG")));
    }
    return out;
}

QStringList contentsOnDisk(const QString& folder) {
    TApolloEnv env;
    Table tt(env, folder, true);
    return contents(tt.t);
}

void appendRecipes(TApollo& t, int count, bool withTexts) {
    for (int k = 0; k < count; ++k) {
        t.AppendBlank();
        t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Drink %1").arg(k));
        t.ReplaceInteger(QStringLiteral("MARK"), k % 2);
        if (withTexts)
            t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QString(40 + k % 90, QLatin1Char('a' + k % 26)));
        t.Commit();
    }
}

void setAllMarks(TApollo& t, int mark) {
    for (t.GoTop(); !t.Eof(); t.Skip()) {
        t.Edit();
        t.ReplaceInteger(QStringLiteral("MARK"), mark);
        t.Commit();
    }
}

int syncsOf(const std::vector<RawFile::Event>& events, const QString& file) {
    int n = 0;
    for (const RawFile::Event& e : events)
        n += e.kind == RawFile::Event::Kind::Sync && QFileInfo(e.path).fileName() == file ? 1 : 0;
    return n;
}

// The fixture with 60 more recipes.
QString largerFixture(const TempDataFolder& dir) {
    FixtureTables::createTruthTable(dir.path());
    TApolloEnv env;
    Table tt(env, dir.path());
    BulkWrite bulk(tt.t);
    appendRecipes(tt.t, 60, true);
    bulk.finish();
    return dir.path();
}

using Pass = std::function<void(TApollo& t)>;

} // namespace

Q_DECLARE_METATYPE(Pass)

class TestBulkWrite : public QObject {
    Q_OBJECT

private slots:
    void init() { RawFile::stopFailingWrites(); }

    // A pass forces each file to disk once (the table twice when it grew: records, then the
    // header), and whenever the power fails the table opens with all records or none of the new.
    void onePassOneForcedWrite_data() {
        QTest::addColumn<Pass>("pass");
        QTest::addColumn<int>("tableSyncs");
        QTest::addColumn<int>("memoSyncs");
        QTest::newRow("mark all") << Pass([](TApollo& t) { setAllMarks(t, 1); }) << 1 << 0;
        QTest::newRow("clear all marks") << Pass([](TApollo& t) { setAllMarks(t, 0); }) << 1 << 0;
        QTest::newRow("append with texts") << Pass([](TApollo& t) { appendRecipes(t, 40, true); }) << 2 << 1;
        QTest::newRow("edit texts and delete") << Pass([](TApollo& t) {
            for (int r = 1; r <= 30; r += 3) {
                t.Go(r);
                t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("Neu %1").arg(r));
                t.Commit();
                t.Go(r + 1);
                t.Delete();
            }
        }) << 1 << 1;
        QTest::newRow("nested passes") << Pass([](TApollo& t) {
            BulkWrite inner(t);
            appendRecipes(t, 10, false);
            inner.finish();
            setAllMarks(t, 1);
        }) << 2 << 0;
    }
    void onePassOneForcedWrite() {
        QFETCH(Pass, pass);
        QFETCH(int, tableSyncs);
        QFETCH(int, memoSyncs);
        TempDataFolder dir;
        largerFixture(dir);
        const int before = int(contentsOnDisk(dir.path()).size());
        std::vector<RawFile::Event> events;
        QStringList inMemory;
        {
            TApolloEnv env;
            Table tt(env, dir.path());
            RawFile::observe([&](const RawFile::Event& e) { events.push_back(e); });
            {
                BulkWrite bulk(tt.t);
                pass(tt.t);
                QCOMPARE(syncsOf(events, QStringLiteral("TT.DBF")), 0); // nothing forced before the end
                bulk.finish();
            }
            RawFile::observe({});
            inMemory = contents(tt.t);
        }
        QCOMPARE(syncsOf(events, QStringLiteral("TT.DBF")), tableSyncs);
        QCOMPARE(syncsOf(events, QStringLiteral("TT.SMT")), memoSyncs);
        QCOMPARE(contentsOnDisk(dir.path()), inMemory);

        // The same pass again, now under a power loss after each of its writes.
        TempDataFolder again;
        largerFixture(again);
        const auto power = std::make_unique<PowerLoss>(again.path());
        {
            TApolloEnv env;
            Table tt(env, again.path());
            BulkWrite bulk(tt.t);
            pass(tt.t);
            bulk.finish();
        }
        QVERIFY(power->eventCount() >= 2);
        for (int k = 0; k <= power->eventCount(); ++k) {
            TempDataFolder after;
            QVERIFY(power->restore(k, after.path()));
            try {
                const qsizetype records = contentsOnDisk(after.path()).size();
                QVERIFY2(records == before || records == inMemory.size(),
                         qPrintable(QString::number(records)));
            } catch (const StoreError& e) {
                QFAIL(qPrintable(QStringLiteral("power loss after %1 writes: %2").arg(k).arg(e.text())));
            }
        }
    }

    // A pass that an error ends early still writes what it changed: memory and disk agree.
    void errorInsideAPassStillWrites() {
        TempDataFolder dir;
        FixtureTables::createTruthTable(dir.path());
        QStringList inMemory;
        {
            TApolloEnv env;
            Table tt(env, dir.path());
            try {
                BulkWrite bulk(tt.t);
                appendRecipes(tt.t, 3, true);
                tt.t.Go(2);
                tt.t.ReplaceInteger(QStringLiteral("MARK"), 0);
                tt.t.ReplaceInteger(QStringLiteral("MARK"), 12); // too wide: the pass ends here
                bulk.finish();
                QFAIL("the pass ran to its end");
            } catch (const StoreError&) {
            }
            inMemory = contents(tt.t);
        }
        QCOMPARE(inMemory.size(), 8);
        QCOMPARE(inMemory.at(1), QStringLiteral("Mojito|0|Anleitung für Mojito"));
        QCOMPARE(contentsOnDisk(dir.path()), inMemory);
    }

    // A failed end of a pass leaves everything pending, and the next Commit writes it.
    void failedFinishIsWrittenByTheNextCommit_data() {
        QTest::addColumn<int>("budget");
        // The pass ends with the records, the end mark, the forced write, the header and another.
        for (int budget = 0; budget < 5; ++budget)
            QTest::addRow("failing from write %d", budget) << budget;
    }
    void failedFinishIsWrittenByTheNextCommit() {
        QFETCH(int, budget);
        TempDataFolder dir;
        FixtureTables::createTruthTable(dir.path());
        QStringList inMemory;
        {
            TApolloEnv env;
            Table tt(env, dir.path());
            BulkWrite bulk(tt.t);
            appendRecipes(tt.t, 4, false);
            setAllMarks(tt.t, 1);
            RawFile::failWritesAfter(budget);
            QVERIFY_THROWS_EXCEPTION(StoreError, bulk.finish());
            RawFile::stopFailingWrites();
            QCOMPARE(tt.t.RecCount(), 9);
            tt.t.Commit();
            inMemory = contents(tt.t);
        }
        QCOMPARE(contentsOnDisk(dir.path()), inMemory);
        QCOMPARE(inMemory.size(), 9);
        QVERIFY(inMemory.last().startsWith(QStringLiteral("Drink 3|1|")));
    }

    // A pass cut off after its journal: a read-only opening reads the table as it was, the next
    // writable opening completes it. A journal that does not fit the table (the table was changed
    // or replaced since, say by a restore) is dropped and changes nothing.
    void journalCompletesOnlyItsOwnTable() {
        const auto journalOf = [](const QString& folder) {
            return DbfFile::journalPathFor(QDir(folder).filePath(QStringLiteral("TT.DBF")));
        };
        QByteArray journal;
        QStringList before;
        QStringList after;
        for (int budget = 0; journal.isEmpty(); ++budget) {
            QVERIFY(budget < 20);
            TempDataFolder dir;
            const QString folder = largerFixture(dir);
            before = contentsOnDisk(folder);
            TApolloEnv env;
            Table tt(env, folder);
            BulkWrite bulk(tt.t);
            setAllMarks(tt.t, 7);
            after = contents(tt.t);
            RawFile::failWritesAfter(budget);
            QVERIFY_THROWS_EXCEPTION(StoreError, bulk.finish());
            RawFile::stopFailingWrites();
            QFile file(journalOf(folder));
            if (file.open(QIODevice::ReadOnly))
                journal = file.readAll();
        }
        QVERIFY(before != after);

        TempDataFolder own;
        const QString folder = largerFixture(own);
        QFile::remove(journalOf(folder));
        QVERIFY(TestFiles::writeAll(journalOf(folder), journal));
        QCOMPARE(contentsOnDisk(folder), before); // read-only: untouched, the journal kept
        QVERIFY(QFile::exists(journalOf(folder)));
        {
            TApolloEnv env;
            Table tt(env, folder);
            QCOMPARE(contents(tt.t), after);
        }
        QVERIFY(!QFile::exists(journalOf(folder)));
        QCOMPARE(contentsOnDisk(folder), after);

        TempDataFolder changed;
        const QString other = largerFixture(changed);
        {
            TApolloEnv env;
            Table tt(env, other);
            tt.t.Go(3);
            tt.t.Edit();
            tt.t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Anders"));
            tt.t.Commit();
        }
        const QStringList otherBefore = contentsOnDisk(other);
        QVERIFY(TestFiles::writeAll(journalOf(other), journal));
        {
            TApolloEnv env;
            Table tt(env, other);
            QCOMPARE(contents(tt.t), otherBefore);
        }
        QVERIFY(!QFile::exists(journalOf(other)));
    }
};

VELTA_TEST_MAIN_CORE(TestBulkWrite)
#include "tst_bulkwrite.moc"
