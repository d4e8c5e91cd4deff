#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "store/DbfFile.h"
#include "store/LittleEndian.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QList<DbfFile::Definition> kFields = {{"NAME", 'C', 20, 0}, {"MEMO", 'M', 10, 0}};

// Fills a fresh helper table with n records, in bulk or record by record.
void fill(TApolloEnv& env, const QString& folder, int n, bool bulk) {
    DbfFile::create(QDir(folder).filePath(u"T.DBF"_s), DbfFile::kVersionDbt, kFields);
    TTable table(env);
    table.setDatabaseName(folder);
    table.setTableName(u"T"_s);
    table.Open();
    TApollo t(table);
    if (bulk)
        table.beginBulkWrite();
    for (int i = 1; i <= n; ++i) {
        t.AppendBlank();
        t.ReplaceText(u"NAME"_s, u"Drink %1"_s.arg(i));
        t.ReplaceMemo(u"MEMO"_s, QString(i * 100, QChar(u'a' + i % 26)));
    }
    t.Go(2);
    t.ReplaceText(u"NAME"_s, u"Zweiter"_s);
    table.Close();
}

quint32 countOnDisk(const QString& path) {
    return le::u32(TestFiles::readAll(path), 4);
}

} // namespace

class TestBulkWrite : public QObject {
    Q_OBJECT

private slots:
    void bulkWritesTheSameFilesAsRecordByRecord() {
        TApolloEnv env;
        TempDataFolder a;
        TempDataFolder b;
        fill(env, a.path(), 12, false);
        fill(env, b.path(), 12, true);
        for (const QString& name : {u"T.DBF"_s, u"T.DBT"_s})
            QCOMPARE(TestFiles::readAll(b.filePath(name)), TestFiles::readAll(a.filePath(name)));
    }

    void recordsAndMemosReadBackWhileInBulk() {
        TApolloEnv env;
        TempDataFolder dir;
        DbfFile::create(dir.filePath(u"T.DBF"_s), DbfFile::kVersionDbt, kFields);
        TTable table(env);
        table.setDatabaseName(dir.path());
        table.setTableName(u"T"_s);
        table.Open();
        TApollo t(table);
        t.AppendBlank();
        t.ReplaceMemo(u"MEMO"_s, u"auf der Platte"_s);
        t.Commit();
        table.beginBulkWrite();
        const qint64 before = QFileInfo(dir.filePath(u"T.DBT"_s)).size();
        for (int i = 0; i < 3; ++i) {
            t.AppendBlank();
            t.ReplaceText(u"NAME"_s, u"N%1"_s.arg(i));
            t.ReplaceMemo(u"MEMO"_s, u"Text %1"_s.arg(i));
        }
        QCOMPARE(countOnDisk(dir.filePath(u"T.DBF"_s)), 1u);
        QCOMPARE(QFileInfo(dir.filePath(u"T.DBT"_s)).size(), before);
        QStringList seen;
        for (t.GoTop(); !t.Eof(); t.Skip())
            seen << t.GetTrimString(u"NAME"_s) + u":"_s + t.GetMemo(u"MEMO"_s);
        QCOMPARE(seen, strings({":auf der Platte", "N0:Text 0", "N1:Text 1", "N2:Text 2"}));
        table.endBulkWrite();
        QCOMPARE(countOnDisk(dir.filePath(u"T.DBF"_s)), 4u);
        table.Close();
        table.setReadOnly(true);
        table.Open();
        t.Go(4);
        QCOMPARE(t.GetMemo(u"MEMO"_s), u"Text 2"_s);
    }

    void zapInBulkStartsAfresh() {
        TApolloEnv env;
        TempDataFolder dir;
        fill(env, dir.path(), 5, true);
        TTable table(env);
        table.setDatabaseName(dir.path());
        table.setTableName(u"T"_s);
        table.Open();
        TApollo t(table);
        table.beginBulkWrite();
        t.Zap();
        t.AppendBlank();
        t.ReplaceMemo(u"MEMO"_s, u"neu"_s);
        table.Close();
        table.setReadOnly(true);
        table.Open();
        QCOMPARE(table.file().recordCount(), 1);
        t.GoTop();
        QCOMPARE(t.GetMemo(u"MEMO"_s), u"neu"_s);
        QCOMPARE(QFileInfo(dir.filePath(u"T.DBT"_s)).size(), 2 * 512);
    }
};

VELTA_TEST_MAIN_CORE(TestBulkWrite)
#include "tst_bulkwrite.moc"
