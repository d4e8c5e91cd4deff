#include "FixtureTables.h"
#include "PowerLoss.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "store/DbfFile.h"
#include "store/LittleEndian.h"
#include "store/MemoFile.h"
#include "store/RawFile.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QFile>

namespace {

// Every record, deleted ones included, as "name|instructions" (a "*" in front when deleted).
QStringList contents(TApollo& t) {
    QStringList out;
    for (int r = 1; r <= t.RecCount(); ++r) {
        t.Go(r);
        out << (t.IsDeleted() ? QStringLiteral("*") : QString()) + t.GetTrimString(QStringLiteral("NAME")) +
                   QLatin1Char('|') + t.GetMemo(QStringLiteral("ANLEITUNG"));
    }
    return out;
}

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

QStringList readAllRecords(const QString& folder) {
    TApolloEnv env;
    TTable table(env);
    table.setDatabaseName(folder);
    table.setTableName(QStringLiteral("TT"));
    table.setReadOnly(true);
    table.Open();
    TApollo t(table);
    return contents(t);
}

void copyTable(const QString& from, const QString& to) {
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name));
}

QString memoName(quint8 version) {
    return version == DbfFile::kVersionDbt ? QStringLiteral("TT.DBT") : QStringLiteral("TT.SMT");
}

// Where the memo reference of a record sits in the table file.
qint64 memoRefOffset(const QString& tablePath, int recNo) {
    DbfFile f;
    f.open(tablePath, RawFile::Mode::ReadOnly);
    const DbfField& field = f.fields().at(f.fieldIndex("ANLEITUNG"));
    return f.headerLength() + qint64(recNo - 1) * f.recordLength() + field.offset;
}

using Damage = std::function<void(QByteArray& dbf, QByteArray& memo)>;
using Steps = std::function<void(TApollo& t, int& done)>;

} // namespace

Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(Steps)

class TestRobustness : public QObject {
    Q_OBJECT

private slots:
    void damagedFilesGiveErrors_data() {
        QTest::addColumn<Damage>("damage");
        QTest::newRow("empty file") << Damage([](QByteArray& d, QByteArray&) { d.clear(); });
        QTest::newRow("truncated header") << Damage([](QByteArray& d, QByteArray&) { d.truncate(20); });
        QTest::newRow("truncated fields") << Damage([](QByteArray& d, QByteArray&) { d.truncate(100); });
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
    // A table whose header counts more records than the file holds (the header reached the disk,
    // the records did not) opens with its complete records and says that it was repaired.
    void countBeyondDataKeepsCompleteRecords_data() {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<int>("complete");
        QTest::newRow("one record more") << Damage([](QByteArray& d, QByteArray&) { d[4] = char(6); }) << 5;
        QTest::newRow("last record half written")
            << Damage([](QByteArray& d, QByteArray&) { d.chop(130); }) << 4;
        QTest::newRow("records cut off") << Damage([](QByteArray& d, QByteArray&) { d.chop(300); }) << 3;
        QTest::newRow("huge record count")
            << Damage([](QByteArray& d, QByteArray&) { d.replace(4, 4, QByteArray("\xff\xff\xff\x7f", 4)); })
            << 5;
    }
    void countBeyondDataKeepsCompleteRecords() {
        QFETCH(Damage, damage);
        QFETCH(int, complete);
        TempDataFolder dir;
        const QString path = FixtureTables::createTruthTable(dir.path());
        const QStringList before = readAllRecords(dir.path());
        QByteArray dbf = TestFiles::readAll(path);
        QByteArray memo;
        damage(dbf, memo);
        QVERIFY(TestFiles::writeAll(path, dbf));
        {
            TApolloEnv env;
            TTable table(env);
            table.setDatabaseName(dir.path());
            table.setTableName(QStringLiteral("TT"));
            table.Open();
            QCOMPARE(table.file().recordCount(), complete);
            QVERIFY(!table.file().problems().isEmpty());
            QVERIFY2(table.file().problems().first().contains(QStringLiteral("Satzanzahl")),
                     qPrintable(table.file().problems().first()));
            TApollo t(table);
            QCOMPARE(contents(t), before.mid(0, complete));
            t.AppendBlank();
            t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Nachher"));
            t.Commit();
        }
        TApolloEnv env;
        TTable table(env);
        table.setDatabaseName(dir.path());
        table.setTableName(QStringLiteral("TT"));
        table.Open();
        QCOMPARE(table.file().problems(), QStringList()); // the next count written is the true one
        TApollo t(table);
        QCOMPARE(contents(t), before.mid(0, complete) << QStringLiteral("Nachher|"));
    }

    void encryptedTablesAreRefused_data() {
        QTest::addColumn<quint8>("version");
        QTest::addColumn<quint8>("encrypted");
        QTest::newRow("0x06") << quint8(0x03) << quint8(0x06);
        QTest::newRow("0x86") << quint8(0x83) << quint8(0x86);
        QTest::newRow("0xE6") << quint8(0xE5) << quint8(0xE6);
        QTest::newRow("0xF6") << quint8(0xE5) << quint8(0xF6);
    }
    void encryptedTablesAreRefused() {
        QFETCH(quint8, version);
        QFETCH(quint8, encrypted);
        TempDataFolder dir;
        QString path = dir.filePath(QStringLiteral("TT.DBF"));
        if (version == 0x03)
            DbfFile::create(path, version, {{"NAME", 'C', 10, 0}});
        else
            path = FixtureTables::createTruthTable(dir.path(), version);
        QByteArray dbf = TestFiles::readAll(path);
        dbf[0] = char(encrypted);
        QVERIFY(TestFiles::writeAll(path, dbf));
        TApolloEnv env;
        TTable table(env);
        table.setDatabaseName(dir.path());
        table.setTableName(QStringLiteral("TT"));
        try {
            table.Open();
            QFAIL("an encrypted table was opened");
        } catch (const StoreError& e) {
            QVERIFY2(e.text().contains(QStringLiteral("verschlüsselt")), qPrintable(e.text()));
        }
    }

    // Memo references that mean "no text", as different writers store them.
    void emptyMemoReferences_data() {
        QTest::addColumn<quint8>("version");
        QTest::addColumn<QByteArray>("ref");
        QTest::newRow("SMT ten zero bytes") << quint8(0xE5) << QByteArray(10, '\0');
        QTest::newRow("SMT ten blanks") << quint8(0xE5) << QByteArray(10, ' ');
        QTest::newRow("SMT text of length 0") << quint8(0xE5) << QByteArray("\x01\x00\0\0\0\0\0\0\0\0", 10);
        QTest::newRow("DBT ten zero bytes") << quint8(0x83) << QByteArray(10, '\0');
        QTest::newRow("DBT ten blanks") << quint8(0x83) << QByteArray(10, ' ');
        QTest::newRow("DBT block 0") << quint8(0x83) << QByteArray("         0");
    }
    void emptyMemoReferences() {
        QFETCH(quint8, version);
        QFETCH(QByteArray, ref);
        TempDataFolder dir;
        const QString path = FixtureTables::createTruthTable(dir.path(), version);
        QByteArray dbf = TestFiles::readAll(path);
        dbf.replace(memoRefOffset(path, 2), 10, ref);
        QVERIFY(TestFiles::writeAll(path, dbf));
        TApolloEnv env;
        TTable table(env);
        table.setDatabaseName(dir.path());
        table.setTableName(QStringLiteral("TT"));
        table.Open();
        TApollo t(table);
        t.Go(2);
        QVERIFY(t.IsEmpty(QStringLiteral("ANLEITUNG")));
        QCOMPARE(t.GetMemo(QStringLiteral("ANLEITUNG")), QString());
        t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("Jetzt mit Text"));
        t.Commit();
        QCOMPARE(t.GetMemo(QStringLiteral("ANLEITUNG")), QStringLiteral("Jetzt mit Text"));
    }

    // The memo header's "next free block": new texts never go below the end of the file, and a
    // pointer into texts that records use is damage that refuses memo writes.
    void memoFreePointer_data() {
        QTest::addColumn<quint8>("version");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<bool>("refused");
        const auto next = [](quint32 block) {
            return Damage([block](QByteArray&, QByteArray& m) { le::put32(m, 0, block); });
        };
        // The fixture's SMT texts fill blocks 8 to 12 (64 bytes each), its DBT texts blocks 1 to 5.
        QTest::newRow("SMT at the first text") << quint8(0xE5) << next(8) << true;
        QTest::newRow("SMT at the last text") << quint8(0xE5) << next(12) << true;
        QTest::newRow("SMT inside the header") << quint8(0xE5) << next(0) << true;
        QTest::newRow("SMT past the end") << quint8(0xE5) << next(40) << true;
        QTest::newRow("SMT far past the end") << quint8(0xE5) << next(0x7FFFFFFF) << true;
        QTest::newRow("SMT sound") << quint8(0xE5) << next(13) << false;
        QTest::newRow("SMT unused blocks after the last text")
            << quint8(0xE5) << Damage([](QByteArray&, QByteArray& m) { m.append(QByteArray(150, 'x')); })
            << false;
        QTest::newRow("DBT at the first text") << quint8(0x83) << next(1) << true;
        QTest::newRow("DBT at the last text") << quint8(0x83) << next(5) << true;
        QTest::newRow("DBT past the end") << quint8(0x83) << next(9) << true;
        QTest::newRow("DBT far past the end") << quint8(0x83) << next(0xFFFFFFF0) << true;
        QTest::newRow("DBT last text without its end mark")
            << quint8(0x83) << Damage([](QByteArray&, QByteArray& m) { m.truncate(5 * 512 + 18); }) << false;
        QTest::newRow("DBT unused blocks after the last text")
            << quint8(0x83) << Damage([](QByteArray&, QByteArray& m) { m.append(QByteArray(700, 'x')); })
            << false;
    }
    void memoFreePointer() {
        QFETCH(quint8, version);
        QFETCH(Damage, damage);
        QFETCH(bool, refused);
        TempDataFolder dir;
        FixtureTables::createTruthTable(dir.path(), version);
        const QString memoPath = dir.filePath(memoName(version));
        QByteArray dbf;
        QByteArray memo = TestFiles::readAll(memoPath);
        damage(dbf, memo);
        QVERIFY(TestFiles::writeAll(memoPath, memo));
        const qint64 sizeBefore = memo.size();
        const QStringList before = readAllRecords(dir.path());
        {
            TApolloEnv env;
            TTable table(env);
            table.setDatabaseName(dir.path());
            table.setTableName(QStringLiteral("TT"));
            table.Open();
            QCOMPARE(!table.file().problems().isEmpty(), refused);
            TApollo t(table);
            t.Go(2);
            try {
                t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("Neue Anleitung für den Mojito"));
                t.Commit();
                QVERIFY2(!refused, "a memo was written through a damaged free pointer");
            } catch (const StoreError& e) {
                QVERIFY2(refused, qPrintable(e.text()));
                QVERIFY2(e.text().contains(QStringLiteral("Memodatei")), qPrintable(e.text()));
            }
            t.Go(3); // other fields can still be written
            t.ReplaceInteger(QStringLiteral("KAT"), 7);
            t.Commit();
        }
        QStringList expected = before;
        if (!refused)
            expected[1] = QStringLiteral("Mojito|Neue Anleitung für den Mojito");
        QCOMPARE(readAllRecords(dir.path()), expected);
        if (!refused)
            QVERIFY(QFileInfo(memoPath).size() > sizeBefore); // written after everything there
        else
            QCOMPARE(QFileInfo(memoPath).size(), sizeBefore); // never grown by a damaged pointer
    }

    // No text longer than the longest the program writes: a write refuses it, and a read refuses a
    // reference claiming one, even where a (sparse) file is large enough to hold it.
    void memoTextsAreBounded_data() {
        QTest::addColumn<quint8>("version");
        QTest::newRow("SMT") << quint8(0xE5);
        QTest::newRow("DBT") << quint8(0x83);
    }
    void memoTextsAreBounded() {
        QFETCH(quint8, version);
        TempDataFolder dir;
        FixtureTables::createTruthTable(dir.path(), version);
        const QString memoPath = dir.filePath(memoName(version));
        const QString longest(int(MemoFile::kMaxTextBytes), QLatin1Char('a'));
        {
            TApolloEnv env;
            TTable table(env);
            table.setDatabaseName(dir.path());
            table.setTableName(QStringLiteral("TT"));
            table.Open();
            TApollo t(table);
            t.Go(1);
            t.ReplaceMemo(QStringLiteral("ANLEITUNG"), longest);
            t.Commit();
            const qint64 size = QFileInfo(memoPath).size();
            t.Go(2);
            try {
                t.ReplaceMemo(QStringLiteral("ANLEITUNG"), longest + QLatin1Char('b'));
                t.Commit();
                QFAIL("a text longer than any the program writes reached the memo file");
            } catch (const StoreError& e) {
                QVERIFY2(e.text().contains(QStringLiteral("zu lang")), qPrintable(e.text()));
            }
            QCOMPARE(QFileInfo(memoPath).size(), size);
        }
        QCOMPARE(readAllRecords(dir.path()).at(0), QStringLiteral("Caipirinha|") + longest);

        // Record 3 claims a text of almost 4 GB inside a file that has grown that far.
        const QString tablePath = dir.filePath(QStringLiteral("TT.DBF"));
        QByteArray dbf = TestFiles::readAll(tablePath);
        const qint64 at = memoRefOffset(tablePath, 3);
        if (version == DbfFile::kVersionDbt) {
            // A text without its end mark that runs on far past the longest.
            QByteArray memo = TestFiles::readAll(memoPath);
            const qint64 block = (memo.size() + 511) / 512;
            memo.append(QByteArray(block * 512 - memo.size(), '\0'));
            memo.append(QByteArray(int(MemoFile::kMaxTextBytes) * 3, 'x'));
            QVERIFY(TestFiles::writeAll(memoPath, memo));
            dbf.replace(at, 10, QByteArray::number(block).rightJustified(10, ' '));
        } else {
            QByteArray ref(10, '\0');
            le::put16(ref, 0, 1);
            le::put32(ref, 2, 0xFFFFFFF0u);
            le::put32(ref, 6, 8);
            dbf.replace(at, 10, ref);
            QFile memo(memoPath);
            QVERIFY(memo.open(QIODevice::ReadWrite));
            QVERIFY(memo.resize(qint64(5) << 30));
        }
        QVERIFY(TestFiles::writeAll(tablePath, dbf));
        TApolloEnv env;
        TTable table(env);
        table.setDatabaseName(dir.path());
        table.setTableName(QStringLiteral("TT"));
        table.setReadOnly(true);
        table.Open();
        TApollo t(table);
        t.Go(3);
        try {
            t.GetMemo(QStringLiteral("ANLEITUNG"));
            QFAIL("a memo longer than any the program writes was read");
        } catch (const StoreError& e) {
            QVERIFY2(e.text().contains(QStringLiteral("beschädigt")), qPrintable(e.text()));
        }
        t.Go(1);
        QCOMPARE(t.GetMemo(QStringLiteral("ANLEITUNG")), longest);
    }

    // A write that fails leaves memory and disk agreeing, and the retried Commit writes what was
    // pending: whichever write the failure hits.
    void retryAfterFailedWriteWritesEverything() {
        TempDataFolder base;
        FixtureTables::createTruthTable(base.path());
        const QStringList before = readAllRecords(base.path());
        int completedAt = -1;
        for (int budget = 0; budget < 40 && completedAt < 0; ++budget) {
            TempDataFolder dir;
            copyTable(base.path(), dir.path());
            int done = 0;
            QStringList inMemory;
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
                    ++done;
                    t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Mojito neu"));
                    ++done;
                    t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("Geändert"));
                    ++done;
                    t.Commit();
                    ++done;
                    t.AppendBlank();
                    ++done;
                    t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Neu"));
                    ++done;
                    t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QString(300, QLatin1Char('x')));
                    ++done;
                    t.Commit();
                    ++done;
                } catch (const StoreError&) {
                }
                RawFile::stopFailingWrites();
                t.Commit(); // the retry
                inMemory = contents(t);
            }
            QStringList expected = before;
            expected[1] = QStringLiteral("%1|%2").arg(
                done >= 2 ? QStringLiteral("Mojito neu") : QStringLiteral("Mojito"),
                done >= 3 ? QStringLiteral("Geändert") : QStringLiteral("Anleitung für Mojito"));
            if (done >= 5)
                expected << QStringLiteral("%1|%2").arg(done >= 6 ? QStringLiteral("Neu") : QString(),
                                                        done >= 7 ? QString(300, QLatin1Char('x'))
                                                                  : QString());
            QCOMPARE(inMemory, expected);
            QCOMPARE(readAllRecords(dir.path()), expected);
            if (done == 8)
                completedAt = budget;
        }
        QVERIFY2(completedAt > 2, "the sequence never ran to its end");
    }

    // Whenever the power fails, the table opens and every text that a record points to is there.
    void powerLossKeepsTablesReadable_data() {
        QTest::addColumn<Steps>("steps");
        QTest::newRow("edit a text") << Steps([](TApollo& t, int&) {
            t.Go(2);
            t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QString(200, QLatin1Char('m')));
            t.Commit();
        });
        QTest::newRow("append with text") << Steps([](TApollo& t, int&) {
            t.AppendBlank();
            t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Neu"));
            t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QString(300, QLatin1Char('x')));
            t.Commit();
        });
        QTest::newRow("appends, edits and deletes") << Steps([](TApollo& t, int&) {
            for (int k = 0; k < 3; ++k) {
                t.AppendBlank();
                t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Neu %1").arg(k));
                t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QString(70 * (k + 1), QLatin1Char('a' + k)));
                t.Commit();
            }
            t.Go(1);
            t.Delete();
            t.Go(3);
            t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("kurz"));
            t.Commit();
        });
    }
    void powerLossKeepsTablesReadable() {
        QFETCH(Steps, steps);
        TempDataFolder base;
        FixtureTables::createTruthTable(base.path());
        TempDataFolder dir;
        copyTable(base.path(), dir.path());
        PowerLoss power(dir.path());
        {
            TApolloEnv env;
            TTable table(env);
            table.setDatabaseName(dir.path());
            table.setTableName(QStringLiteral("TT"));
            table.Open();
            TApollo t(table);
            int done = 0;
            steps(t, done);
        }
        QVERIFY(power.eventCount() > 3);
        for (int events = 0; events <= power.eventCount(); ++events) {
            TempDataFolder after;
            QVERIFY(power.restore(events, after.path()));
            try {
                QVERIFY(readAllRecords(after.path()).size() >= 5);
            } catch (const StoreError& e) {
                QFAIL(qPrintable(QStringLiteral("power loss after %1 writes: %2").arg(events).arg(e.text())));
            }
        }
    }

    // Creating a table takes the lock before it empties anything.
    void creatingOverAnOpenTableLeavesItAlone() {
        TempDataFolder dir;
        const QString path = FixtureTables::createTruthTable(dir.path());
        const QByteArray dbf = TestFiles::readAll(path);
        const QByteArray memo = TestFiles::readAll(dir.filePath(QStringLiteral("TT.SMT")));
        TApolloEnv env;
        TTable table(env);
        table.setDatabaseName(dir.path());
        table.setTableName(QStringLiteral("TT"));
        table.Open();
        QVERIFY_THROWS_EXCEPTION(StoreError, DbfFile::create(path, DbfFile::kVersionSmt,
                                                             {{"NAME", 'C', 10, 0}, {"TEXT", 'M', 10, 0}}));
        QCOMPARE(TestFiles::readAll(path), dbf);
        QCOMPARE(TestFiles::readAll(dir.filePath(QStringLiteral("TT.SMT"))), memo);
        TApollo t(table);
        t.Go(5);
        QCOMPARE(t.GetMemo(QStringLiteral("ANLEITUNG")), QStringLiteral("Anleitung für Ohne"));
    }
};

VELTA_TEST_MAIN_CORE(TestRobustness)
#include "tst_robustness.moc"
