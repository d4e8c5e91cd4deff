#include "print/PrintTable.h"

#include "store/BulkWrite.h"
#include "store/Fields.h"
#include "store/TApollo.h"
#include "store/TTable.h"
#include "store/TableSchemas.h"

#include <QDir>
#include <QFileInfo>

static_assert(PrintRecord::kLines == TableSchemas::kPrintLines);

namespace {

// Hides the wait window and closes the table however the fill ends.
class FillScope {
public:
    FillScope(TTable& table, PrintTable::Progress* progress) : m_table(table), m_progress(progress) {}
    ~FillScope() {
        if (m_progress)
            m_progress->hide();
        try {
            m_table.Close();
        } catch (...) { // the failure that ended the fill is the one reported
        }
    }
    FillScope(const FillScope&) = delete;
    FillScope& operator=(const FillScope&) = delete;

private:
    TTable& m_table;
    PrintTable::Progress* m_progress;
};

} // namespace

void PrintTable::create(const QString& folder) {
    DbfFile::create(QDir(folder).filePath(fileName()), DbfFile::kVersionDbt, TableSchemas::printTable(), 512);
}

void PrintTable::fill(TApollo& printTable, const QString& folder, const PrintRecordBuilder::Sources& sources,
                      const QList<int>& recNos, const PrintSettings& settings, Progress* progress,
                      const HomeBarTable::Test* mixable) {
    const int n = int(recNos.size());
    if (n <= kWaitThreshold)
        progress = nullptr;
    if (progress)
        progress->show(n - 1, waitText());
    TTable& table = printTable.table();
    FillScope scope(table, progress);
    table.Close();
    table.setDatabaseName(folder);
    table.setTableName(fileName());
    table.setReadOnly(false);
    // An installation made before the print table shipped has none; its content is scratch, so a
    // fresh one is as good as the shipped one.
    if (!QFileInfo::exists(table.filePath()))
        create(folder);
    table.Open();
    printTable.Zap();
    // The table is refilled as a whole before every use: its records and memo texts reach the disk
    // in one pass at the end, not record by record.
    BulkWrite bulk(printTable);
    RecipeBook book(sources.recipes, sources.ingredients);
    PrintRecordBuilder::Sources cached = sources;
    cached.book = &book;
    for (int i = 0; i < n; ++i) {
        if (progress)
            progress->set(i);
        sources.recipes.Go(recNos.at(i));
        if (mixable && !mixable->keeps(RecipeBook::ingredientNumbers(sources.recipes)))
            continue;
        printTable.AppendBlank();
        write(printTable, PrintRecordBuilder::build(cached, settings));
    }
    bulk.finish();
}

QList<PrintRecord> PrintTable::readAll(TApolloEnv& env, const QString& folder) {
    TTable table(env);
    table.Open(folder, fileName(), true);
    TApollo t(table);
    QList<PrintRecord> records;
    for (t.GoTop(); !t.Eof(); t.Skip())
        records.append(read(t));
    return records;
}

void PrintTable::write(TApollo& t, const PrintRecord& r) {
    const auto put = [&t](const QString& field, const QString& value) {
        if (!value.isEmpty())
            t.ReplaceText(field, value);
    };
    put(Fields::Print::Name, r.name);
    put(Fields::Print::Picture, r.bild);
    put(Fields::Print::OwnPhoto, r.eigen);
    for (int i = 0; i < PrintRecord::kLines; ++i)
        put(Fields::Print::line(i + 1), r.z[size_t(i)]);
    put(Fields::Print::fact(1), r.s1);
    put(Fields::Print::fact(2), r.s2);
    put(Fields::Print::fact(3), r.s3);
    put(Fields::Print::fact(4), r.s4);
    put(Fields::Print::fact(5), r.s5);
    if (!r.memo.isEmpty())
        t.ReplaceMemo(Fields::Print::Memo, r.memo);
}

PrintRecord PrintTable::read(const TApollo& t) {
    PrintRecord r;
    r.name = t.GetTrimString(Fields::Print::Name);
    r.bild = t.GetTrimString(Fields::Print::Picture);
    r.eigen = t.GetTrimString(Fields::Print::OwnPhoto);
    for (int i = 0; i < PrintRecord::kLines; ++i)
        r.z[size_t(i)] = t.GetTrimString(Fields::Print::line(i + 1));
    r.s1 = t.GetTrimString(Fields::Print::fact(1));
    r.s2 = t.GetTrimString(Fields::Print::fact(2));
    r.s3 = t.GetTrimString(Fields::Print::fact(3));
    r.s4 = t.GetTrimString(Fields::Print::fact(4));
    r.s5 = t.GetTrimString(Fields::Print::fact(5));
    r.memo = t.IsEmpty(Fields::Print::Memo) ? QString() : t.GetMemo(Fields::Print::Memo);
    return r;
}
