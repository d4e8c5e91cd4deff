#include "FixtureTables.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "store/DbfFile.h"
#include "store/RawFile.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"
#include "store/TableSchemas.h"

#include <QFile>
#include <QProcess>

#include <memory>

Q_DECLARE_METATYPE(DbfFile::Definition)

class TestTApollo : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<TApolloEnv> m_env;
    std::unique_ptr<TTable> m_table;
    std::unique_ptr<TApollo> m_t;

    TApollo& openTruthTable(bool readOnly = false) {
        m_table = std::make_unique<TTable>(*m_env);
        m_table->setDatabaseName(m_dir->path());
        m_table->setTableName(QStringLiteral("TT"));
        m_table->setReadOnly(readOnly);
        m_table->Open();
        m_t = std::make_unique<TApollo>(*m_table);
        return *m_t;
    }

    TApollo& openIngredients(const QList<int>& numbers) {
        TableSchemas::createMainTables(m_dir->path());
        m_table = std::make_unique<TTable>(*m_env);
        m_table->setDatabaseName(m_dir->path());
        m_table->setTableName(QStringLiteral("ZU"));
        m_table->Open();
        m_t = std::make_unique<TApollo>(*m_table);
        for (int n : numbers) {
            m_t->AppendBlank();
            m_t->ReplaceInteger(QStringLiteral("INDEX"), n);
            m_t->ReplaceText(QStringLiteral("NAME"), QStringLiteral("Zutat %1").arg(n));
            m_t->Commit();
        }
        return *m_t;
    }

private slots:
    void init() {
        m_t.reset();
        m_table.reset();
        m_env.reset();
        m_dir = std::make_unique<TempDataFolder>();
        FixtureTables::createTruthTable(m_dir->path());
        m_env = std::make_unique<TApolloEnv>();
        m_env->SetDeleted(true);
    }

    void onlyOneEnvironment() {
        try {
            TApolloEnv second;
            QFAIL("a second environment was created");
        } catch (const StoreError& e) {
            QCOMPARE(e.text(), QStringLiteral("Removing extra TApolloEnv component"));
        }
    }

    void skipPastLastAndBeforeFirst() {
        TApollo& t = openTruthTable();
        t.GoBottom();
        QCOMPARE(t.RecNo(), 5);
        t.Skip();
        QVERIFY(t.Eof());
        QCOMPARE(t.RecNo(), 6);
        QCOMPARE(t.GetTrimString(QStringLiteral("NAME")), QString()); // the phantom record is blank
        t.Skip(-1);
        QCOMPARE(t.RecNo(), 5);
        t.GoTop();
        t.Skip(-1);
        QVERIFY(t.Bof());
        QVERIFY(!t.Eof());
        QCOMPARE(t.RecNo(), 1);
        QStringList names;
        for (t.GoTop(); !t.Eof(); t.Skip())
            names << t.GetTrimString(QStringLiteral("NAME"));
        QCOMPARE(names, QStringList({QStringLiteral("Caipirinha"), QStringLiteral("Mojito"),
                                     QStringLiteral("Ärger"), QStringLiteral("Ohne")}));
    }

    void goLandsOnDeletedRecord() {
        TApollo& t = openTruthTable();
        t.Go(4);
        QCOMPARE(t.RecNo(), 4);
        QVERIFY(!t.Eof());
        QVERIFY(t.IsDeleted());
        QCOMPARE(t.GetTrimString(QStringLiteral("NAME")), QStringLiteral("Geloescht"));
        t.Skip();
        QCOMPARE(t.RecNo(), 5);
        t.Go(99);
        QVERIFY(t.Eof());
    }

    void deleteRecallAndCount() {
        TApollo& t = openTruthTable();
        QCOMPARE(t.Count(), 4);
        QCOMPARE(t.RecCount(), 5);
        t.Go(4);
        t.Recall();
        QCOMPARE(t.Count(), 5);
        t.Go(2);
        t.Delete();
        QCOMPARE(t.RecNo(), 2); // the current record stays current
        QCOMPARE(t.Count(), 4);
        m_env->SetDeleted(false);
        QCOMPARE(t.Count(), 5);
    }

    void filterIsAppliedAgainAfterReopen() {
        TApollo& t = openTruthTable();
        QCOMPARE(t.Query(QStringLiteral("MARK = 1")), 3);
        m_table->Close();
        m_table->Open();
        t.GoTop();
        QCOMPARE(t.Count(), 3);
        QCOMPARE(t.RecNo(), 1);
        t.Skip();
        QCOMPARE(t.RecNo(), 3);
        QCOMPARE(t.Query(QString()), 4);
    }

    void fieldsFoundIgnoringCase() {
        TApollo& t = openTruthTable();
        t.GoTop();
        QCOMPARE(t.GetInteger(QStringLiteral("canr")), 3321);
        QCOMPARE(t.GetTrimString(QStringLiteral("Name")), QStringLiteral("Caipirinha"));
        QCOMPARE(t.GetPaddedString(QStringLiteral("BILD")), QStringLiteral("e    "));
        QVERIFY(t.GetLogical(QStringLiteral("h1")));
        QCOMPARE(t.GetMemo(QStringLiteral("anleitung")), QStringLiteral("Anleitung für Caipirinha"));
        QCOMPARE(t.FieldName(1), QStringLiteral("NAME"));
        QCOMPARE(t.FieldName(11), QString());
        QVERIFY_THROWS_EXCEPTION(StoreError, t.GetInteger(QStringLiteral("PREIS")));
    }

    void replaceByKind() {
        TApollo& t = openTruthTable();
        t.Go(2);
        t.Edit();
        t.ReplaceText(QStringLiteral("KAT"), QStringLiteral(" 12 ")); // text into a number field
        t.ReplaceText(QStringLiteral("NAME"),
                      QStringLiteral("Ein sehr langer Name, der nicht ins Feld passt"));
        t.ReplaceLogical(QStringLiteral("H1"), true);
        t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("Neu: Schütteln þý Bemerkung"));
        t.Commit();
        QVERIFY_THROWS_EXCEPTION(StoreError, t.ReplaceInteger(QStringLiteral("MARK"), 12));
        m_table->Close();
        m_table->Open();
        t.Go(2);
        QCOMPARE(t.GetInteger(QStringLiteral("KAT")), 12);
        QCOMPARE(t.GetPaddedString(QStringLiteral("KAT")), QStringLiteral(" 12"));
        QCOMPARE(t.GetTrimString(QStringLiteral("NAME")), QStringLiteral("Ein sehr langer Name, der nich"));
        QVERIFY(t.GetLogical(QStringLiteral("H1")));
        QCOMPARE(t.GetMemo(QStringLiteral("ANLEITUNG")), QStringLiteral("Neu: Schütteln þý Bemerkung"));
        t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QString());
        QVERIFY(t.IsEmpty(QStringLiteral("ANLEITUNG")));
        QCOMPARE(t.GetMemo(QStringLiteral("ANLEITUNG")), QString());
    }

    void readOnlyRefusesWrites() {
        TApollo& t = openTruthTable(true);
        t.GoTop();
        QVERIFY_THROWS_EXCEPTION(StoreError, t.ReplaceInteger(QStringLiteral("KAT"), 1));
        QVERIFY_THROWS_EXCEPTION(StoreError, t.AppendBlank());
        QVERIFY_THROWS_EXCEPTION(StoreError, t.Delete());
        QCOMPARE(t.RecCount(), 5);
    }

    // An exclusive opening keeps other writers out; readers read beside it.
    void exclusiveOpeningKeepsOtherWritersOut() {
        TApollo& t = openTruthTable();
        QVERIFY(t.LockFile());
        QProcess p;
        p.start(QStringLiteral(VELTADB_PATH), {QStringLiteral("unmark"), m_table->filePath()});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("anderen Programm")));
        p.start(QStringLiteral(VELTADB_PATH), {QStringLiteral("query"), m_table->filePath(), QString()});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        m_table->Close();
        p.start(QStringLiteral(VELTADB_PATH), {QStringLiteral("unmark"), m_table->filePath()});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
    }

    void aliasesAreUnique() {
        TTable a(*m_env);
        TTable b(*m_env);
        for (TTable* t : {&a, &b}) {
            t->setDatabaseName(m_dir->path());
            t->setTableName(QStringLiteral("TT"));
            t->setReadOnly(true);
            t->Open();
        }
        QCOMPARE(a.alias(), QStringLiteral("TT"));
        QCOMPARE(b.alias(), QStringLiteral("TT_1"));
        QCOMPARE(m_env->acquireAlias(QStringLiteral("V98 R-~long")), QStringLiteral("V98_R__l"));
    }

    void seekInNumericOrder() {
        TApollo& t = openIngredients({42, 7, 305, 12, 1500});
        QCOMPARE(t.IndexTag(QString(), QStringLiteral("INDEX"), QStringLiteral("INDEX")), 1);
        QCOMPARE(t.TagArea(QStringLiteral("index")), 1);
        QVERIFY(t.Seek(QStringLiteral("305")));
        QCOMPARE(t.RecNo(), 3);
        QVERIFY(!t.Seek(QStringLiteral("43")));
        QVERIFY(t.Eof());
        QCOMPARE(t.RecNo(), 6);
        QStringList order;
        for (t.GoTop(); !t.Eof(); t.Skip())
            order << QString::number(t.GetInteger(QStringLiteral("INDEX")));
        QCOMPARE(order.join(QLatin1Char(',')), QStringLiteral("7,12,42,305,1500"));
        QVERIFY(t.Seek(QStringLiteral("42")));
        t.Delete();
        QVERIFY(!t.Seek(QStringLiteral("42"))); // hidden records are not found
        t.AppendBlank();
        t.ReplaceInteger(QStringLiteral("INDEX"), 400);
        t.Commit();
        QVERIFY(t.Seek(QStringLiteral("400"))); // the order follows new records
        QCOMPARE(t.RecNo(), 6);
        t.SetOrder(0);
        QVERIFY_THROWS_EXCEPTION(StoreError, t.Seek(QStringLiteral("7")));
    }

    // A begun append reaches the table only whole; Cancel drops it, or the values of an edit.
    void appendAndCancel() {
        TApollo& t = openTruthTable();
        const int count = t.RecCount();
        const QByteArray file = TestFiles::readAll(m_table->filePath());
        t.BeginAppend();
        QCOMPARE(t.RecNo(), count + 1);
        t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Entwurf"));
        QCOMPARE(t.GetTrimString(QStringLiteral("NAME")), QStringLiteral("Entwurf"));
        QCOMPARE(t.RecCount(), count);
        QCOMPARE(TestFiles::readAll(m_table->filePath()), file);
        t.Cancel();
        QVERIFY(t.Eof());
        QCOMPARE(t.RecCount(), count);

        t.Go(2);
        const QString name = t.GetTrimString(QStringLiteral("NAME"));
        t.Edit();
        t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Verworfen"));
        t.Cancel();
        QCOMPARE(t.GetTrimString(QStringLiteral("NAME")), name);
        t.GoTop();
        t.Go(2);
        QCOMPARE(t.GetTrimString(QStringLiteral("NAME")), name);
        QCOMPARE(TestFiles::readAll(m_table->filePath()), file);

        // A failed write stays pending: the retry writes it.
        t.BeginAppend();
        t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Neu"));
        RawFile::failWritesAfter(0);
        QVERIFY_THROWS_EXCEPTION(StoreError, t.Commit());
        RawFile::stopFailingWrites();
        QCOMPARE(t.RecCount(), count);
        t.Commit();
        QCOMPARE(t.RecCount(), count + 1);
        m_table->Close();
        m_table->Open();
        t.Go(count + 1);
        QCOMPARE(t.GetTrimString(QStringLiteral("NAME")), QStringLiteral("Neu"));
    }

    void zapEmptiesTableAndMemo() {
        TApollo& t = openTruthTable();
        t.Zap();
        QCOMPARE(t.RecCount(), 0);
        QVERIFY(t.Eof());
        QCOMPARE(t.RecNo(), 1);
        t.GoTop();
        QVERIFY(t.Eof() && t.Bof());
        t.AppendBlank();
        t.ReplaceMemo(QStringLiteral("ANLEITUNG"), QStringLiteral("wieder da"));
        t.Commit();
        m_table->Close();
        QCOMPARE(QFileInfo(m_dir->filePath(QStringLiteral("TT.SMT"))).size(), 512 + 64);
        m_table->Open();
        t.GoTop();
        QCOMPARE(t.GetMemo(QStringLiteral("ANLEITUNG")), QStringLiteral("wieder da"));
    }
    // Text written into a number field is converted as a number, never stored as a silent 0.
    void textIntoNumberField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::newRow("whole number") << "N0"
                                      << " 40 "
                                      << " 40";
        QTest::newRow("decimal zero") << "N0"
                                      << "40.0"
                                      << " 40";
        QTest::newRow("half rounds to even up") << "N0"
                                                << "37.5"
                                                << " 38";
        QTest::newRow("half rounds to even down") << "N0"
                                                  << "36.5"
                                                  << " 36";
        QTest::newRow("more than half") << "N0"
                                        << "36.51"
                                        << " 37";
        QTest::newRow("exponent") << "N0"
                                  << "4e1"
                                  << " 40";
        QTest::newRow("negative") << "N0"
                                  << "-2.4"
                                  << " -2";
        QTest::newRow("blank") << "N0"
                               << "   "
                               << "  0";
        QTest::newRow("into decimals") << "N2"
                                       << "37.5"
                                       << " 37.50";
        QTest::newRow("into decimals, rounded") << "N2"
                                                << "0.125"
                                                << "  0.12";
        QTest::newRow("into decimals, whole") << "N2"
                                              << "4"
                                              << "  4.00";
        QTest::newRow("words") << "N0"
                               << "vierzig"
                               << "";
        QTest::newRow("number and words") << "N0"
                                          << "40 Vol."
                                          << "";
        QTest::newRow("decimal comma") << "N0"
                                       << "37,5"
                                       << "";
        QTest::newRow("too wide") << "N0"
                                  << "1234"
                                  << "";
        QTest::newRow("too wide after rounding") << "N0"
                                                 << "999.5"
                                                 << "";
        QTest::newRow("not finite") << "N0"
                                    << "inf"
                                    << "";
        QTest::newRow("not a number") << "N0"
                                      << "nan"
                                      << "";
    }
    void textIntoNumberField() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        DbfFile::create(m_dir->filePath(QStringLiteral("NU.DBF")), DbfFile::kVersionPlain,
                        {{"N0", 'N', 3, 0}, {"N2", 'N', 6, 2}});
        m_table = std::make_unique<TTable>(*m_env);
        m_table->setDatabaseName(m_dir->path());
        m_table->setTableName(QStringLiteral("NU"));
        m_table->Open();
        TApollo t(*m_table);
        t.AppendBlank();
        t.ReplaceInteger(field, 5);
        t.Commit();
        const QString old = t.GetPaddedString(field);
        try {
            t.ReplaceText(field, text);
            t.Commit();
            QVERIFY2(!stored.isEmpty(), qPrintable(t.GetPaddedString(field)));
        } catch (const StoreError& e) {
            QVERIFY2(stored.isEmpty(), qPrintable(e.text()));
            QVERIFY(e.text().contains(field));
        }
        m_table->Close();
        m_table->Open();
        t.GoTop();
        QCOMPARE(t.GetPaddedString(field), stored.isEmpty() ? old : stored);
    }

    // A filter set before the table was closed is applied again at the next opening, if it still
    // fits the table found then; one that does not is dropped with an error, once.
    void filterAfterReopen_data() {
        QTest::addColumn<QList<DbfFile::Definition>>("fields");
        QTest::addColumn<bool>("fits");
        QTest::newRow("same table") << QList<DbfFile::Definition>() << true;
        QTest::newRow("field moved") << QList<DbfFile::Definition>{{"NAME", 'C', 200, 0}, {"MARK", 'N', 1, 0}}
                                     << true;
        QTest::newRow("field gone") << QList<DbfFile::Definition>{{"NAME", 'C', 10, 0}} << false;
        QTest::newRow("field now text") << QList<DbfFile::Definition>{{"MARK", 'C', 1, 0}} << false;
    }
    void filterAfterReopen() {
        QFETCH(QList<DbfFile::Definition>, fields);
        QFETCH(bool, fits);
        TApollo& t = openTruthTable();
        QCOMPARE(t.Query(QStringLiteral("MARK = 1")), 3);
        m_table->Close();
        if (!fields.isEmpty()) {
            QFile::remove(m_dir->filePath(QStringLiteral("TT.SMT")));
            DbfFile::create(m_dir->filePath(QStringLiteral("TT.DBF")), DbfFile::kVersionPlain, fields);
            TTable other(*m_env);
            other.setDatabaseName(m_dir->path());
            other.setTableName(QStringLiteral("TT"));
            other.Open();
            TApollo o(other);
            for (int mark : {1, 0, 1, 1}) {
                o.AppendBlank();
                if (other.file().fieldIndex("MARK") >= 0)
                    o.ReplaceText(QStringLiteral("MARK"), QString::number(mark));
            }
            o.Commit();
        }
        m_table->Open();
        if (fits) {
            QCOMPARE(t.Count(), 3);
            QCOMPARE(t.filterText(), QStringLiteral("MARK = 1"));
            return;
        }
        QVERIFY_THROWS_EXCEPTION(StoreError, t.GoTop());
        QCOMPARE(t.filterText(), QString());
        QCOMPARE(t.Count(), 4);
        t.GoTop();
        QCOMPARE(t.RecNo(), 1);
    }

    // The order follows a changed key at once, and survives changes of other fields.
    void orderFollowsKeyChanges_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("order"); // record numbers by INDEX afterwards
        QTest::newRow("key changed") << "INDEX" << 500 << QList<int>{2, 3, 1};
        QTest::newRow("key changed to its neighbour's") << "INDEX" << 7 << QList<int>{1, 2, 3};
        QTest::newRow("other field") << "H1" << 1 << QList<int>{2, 1, 3};
    }
    void orderFollowsKeyChanges() {
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(QList<int>, order);
        TApollo& t = openIngredients({42, 7, 305});
        t.IndexTag(QString(), QStringLiteral("INDEX"), QStringLiteral("INDEX"));
        QVERIFY(t.SeekNumber(42));
        t.ReplaceInteger(field, value);
        t.Commit();
        QList<int> seen;
        for (t.GoTop(); !t.Eof(); t.Skip())
            seen << t.RecNo();
        QCOMPARE(seen, order);
        const int key = field == QStringLiteral("INDEX") ? value : 42;
        QVERIFY(t.SeekNumber(key));
        QCOMPARE(t.GetInteger(QStringLiteral("INDEX")), key);
    }

    // The dense look-up by number answers exactly as the search in the sorted order.
    void seekByNumber_data() {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QList<int>>("deleted");
        QTest::newRow("small numbers") << QList<int>{42, 7, 305, 12, 1500} << QList<int>();
        QTest::newRow("duplicates, first deleted") << QList<int>{7, 42, 7, 42} << QList<int>{1};
        QTest::newRow("number 0 and blanks") << QList<int>{0, 3, 0} << QList<int>();
        QTest::newRow("numbers too large for a table") << QList<int>{99999, 5, 77777} << QList<int>();
        QTest::newRow("negative numbers") << QList<int>{-4, 4, -1} << QList<int>{2};
    }
    void seekByNumber() {
        QFETCH(QList<int>, numbers);
        QFETCH(QList<int>, deleted);
        TApollo& t = openIngredients(numbers);
        for (int r : deleted) {
            t.Go(r);
            t.Delete();
        }
        t.IndexTag(QString(), QStringLiteral("INDEX"), QStringLiteral("INDEX"));
        for (int key : {-4, -1, 0, 1, 3, 4, 5, 7, 12, 42, 43, 305, 1500, 1501, 77777, 99999, 100000}) {
            const bool found = t.Seek(QString::number(key));
            const int recNo = t.RecNo();
            QCOMPARE(t.SeekNumber(key), found);
            QCOMPARE(t.RecNo(), recNo);
            QCOMPARE(t.Eof(), !found);
            if (key >= 0) { // the same key written as a decimal
                QCOMPARE(t.Seek(QString::number(key) + QStringLiteral(".0")), found);
                QCOMPARE(t.RecNo(), recNo);
            }
        }
    }
};

VELTA_TEST_MAIN_CORE(TestTApollo)
#include "tst_tapollo.moc"
