#include "FixtureTables.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "store/RawFile.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QFile>

namespace {

// Reads every visible record and memo; returns the names, or throws StoreError.
QStringList readEverything(const QString& folder) {
    TApolloEnv env;
    env.SetDeleted(true);
    TTable table(env);
    table.setDatabaseName(folder);
    table.setTableName(QStringLiteral("TT"));
    table.setReadOnly(true);
    table.Open();
    TApollo t(table);
    QStringList names;
    for (t.GoTop(); !t.Eof(); t.Skip())
        names << t.GetTrimString(QStringLiteral("NAME")) + QLatin1Char('|') +
                     t.GetMemo(QStringLiteral("ANLEITUNG"));
    return names;
}

using Damage = std::function<void(QByteArray& dbf, QByteArray& memo)>;

} // namespace

Q_DECLARE_METATYPE(Damage)

class TestRobustness : public QObject {
    Q_OBJECT

private slots:
    void damagedFilesGiveErrors_data() {
        QTest::addColumn<Damage>("damage");
        QTest::newRow("empty file") << Damage([](QByteArray& d, QByteArray&) { d.clear(); });
        QTest::newRow("truncated header") << Damage([](QByteArray& d, QByteArray&) { d.truncate(20); });
        QTest::newRow("truncated fields") << Damage([](QByteArray& d, QByteArray&) { d.truncate(100); });
        QTest::newRow("records cut off") << Damage([](QByteArray& d, QByteArray&) { d.chop(300); });
        QTest::newRow("huge record count")
            << Damage([](QByteArray& d, QByteArray&) { d.replace(4, 4, QByteArray("\xff\xff\xff\x7f", 4)); });
        QTest::newRow("wrong record length")
            << Damage([](QByteArray& d, QByteArray&) { d[10] = char(quint8(d[10]) + 1); });
        QTest::newRow("header length past end")
            << Damage([](QByteArray& d, QByteArray&) { d.replace(8, 2, QByteArray("\xff\xff", 2)); });
        QTest::newRow("zero-length field") << Damage([](QByteArray& d, QByteArray&) { d[32 + 16] = 0; });
        QTest::newRow("memo reference past end") << Damage([](QByteArray& d, QByteArray&) {
            const int at = int(d.indexOf("Caipirinha")) + 30 + 5 + 100 + 100 + 3 + 3 + 1 + 4 + 1;
            d.replace(at + 6, 4, QByteArray("\x00\x00\x01\x00", 4));
        });
        QTest::newRow("memo length huge") << Damage([](QByteArray& d, QByteArray&) {
            const int at = int(d.indexOf("Mojito")) + 30 + 5 + 100 + 100 + 3 + 3 + 1 + 4 + 1;
            d.replace(at + 2, 4, QByteArray("\xff\xff\xff\x7f", 4));
        });
        QTest::newRow("memo header block size 0")
            << Damage([](QByteArray&, QByteArray& m) { m.replace(4, 4, QByteArray(4, '\0')); });
        QTest::newRow("memo file missing") << Damage([](QByteArray&, QByteArray& m) { m = QByteArray("-"); });
        QTest::newRow("garbage") << Damage([](QByteArray& d, QByteArray&) {
            for (qsizetype i = 0; i < d.size(); ++i)
                d[i] = char((i * 7919) % 251);
        });
    }
    void damagedFilesGiveErrors() {
        QFETCH(Damage, damage);
        TempDataFolder dir;
        FixtureTables::createTruthTable(dir.path());
        QByteArray dbf = TestFiles::readAll(dir.filePath(QStringLiteral("TT.DBF")));
        QByteArray memo = TestFiles::readAll(dir.filePath(QStringLiteral("TT.SMT")));
        damage(dbf, memo);
        QVERIFY(TestFiles::writeAll(dir.filePath(QStringLiteral("TT.DBF")), dbf));
        if (memo == "-")
            QFile::remove(dir.filePath(QStringLiteral("TT.SMT")));
        else
            QVERIFY(TestFiles::writeAll(dir.filePath(QStringLiteral("TT.SMT")), memo));
        try {
            readEverything(dir.path());
            QFAIL("the damage went unnoticed");
        } catch (const StoreError& e) {
            QVERIFY(!e.text().isEmpty());
        }
    }

    // Whatever write an interruption stops at, the table opens and what was committed is intact.
    void interruptedWritesKeepCommittedRecords() {
        TempDataFolder base;
        FixtureTables::createTruthTable(base.path());
        const QStringList before = readEverything(base.path());
        int completedAt = -1;
        for (int budget = 0; budget < 40 && completedAt < 0; ++budget) {
            TempDataFolder dir;
            for (const char* name : {"TT.DBF", "TT.SMT"})
                QFile::copy(base.filePath(QString::fromLatin1(name)),
                            dir.filePath(QString::fromLatin1(name)));
            bool finished = false;
            {
                TApolloEnv env;
                TTable table(env);
                table.setDatabaseName(dir.path());
                table.setTableName(QStringLiteral("TT"));
                table.Open();
                TApollo t(table);
                RawFile::failWritesAfter(budget);
                try {
                    t.Go(2);
                    t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("Geändert"));
                    t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Mojito neu"));
                    t.Commit();
                    t.AppendBlank();
                    t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Neu"));
                    t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QString(300, QLatin1Char('x')));
                    t.Commit();
                    t.Go(1);
                    t.Delete();
                    finished = true;
                } catch (const StoreError&) {
                }
                RawFile::stopFailingWrites();
                try {
                    table.Close();
                } catch (const StoreError&) {
                }
            }
            const QStringList after = readEverything(dir.path()); // must open and read
            QVERIFY(after.size() >= before.size() - 1);
            for (const QString& record : before) {
                if (!record.startsWith(QStringLiteral("Mojito")) &&
                    !record.startsWith(QStringLiteral("Caipirinha")))
                    QVERIFY2(after.contains(record), qPrintable(record));
            }
            const bool mojitoOld = after.contains(before.at(1));
            const bool mojitoNew = after.contains(QStringLiteral("Mojito neu|Geändert"));
            QVERIFY2(mojitoOld || mojitoNew || after.contains(QStringLiteral("Mojito|Geändert")),
                     qPrintable(after.join(QLatin1Char(';'))));
            if (finished)
                completedAt = budget;
        }
        QVERIFY2(completedAt > 3, "the sequence never ran to its end");
    }
};

VELTA_TEST_MAIN_CORE(TestRobustness)
#include "tst_robustness.moc"
