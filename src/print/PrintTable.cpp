#include "print/PrintTable.h"

#include "store/BulkWrite.h"
#include "store/Fields.h"
#include "store/TApollo.h"
#include "store/TTable.h"

#include <QDir>
#include <QFileInfo>

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

// Widths hold a recipe name, a photo key, an ingredient line (four digits, blank, unit, two
// blanks and a 30-character name) and the list's first summary line (three names, the
// separators and a trailing comma). `EIGEN` carries the own photo, which the card prints first.
QList<DbfFile::Definition> PrintTable::fields() {
    QList<DbfFile::Definition> f = {{"NAME", 'C', 40, 0}, {"BILD", 'C', 10, 0}, {"EIGEN", 'C', 8, 0}};
    for (int i = 1; i <= PrintRecord::kLines; ++i)
        f.append({QByteArray("Z") + QByteArray::number(i), 'C', 100, 0});
    for (int i = 1; i <= 5; ++i)
        f.append({QByteArray("S") + QByteArray::number(i), 'C', 40, 0});
    f.append({"MEMO", 'M', 10, 0});
    return f;
}

void PrintTable::create(const QString& folder) {
    DbfFile::create(QDir(folder).filePath(fileName()), DbfFile::kVersionDbt, fields(), 512);
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
        if (mixable && !mixable->keeps(sources.recipes.GetPaddedString(Fields::Recipe::Ingredients)))
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
    put(QStringLiteral("NAME"), r.name);
    put(QStringLiteral("BILD"), r.bild);
    put(QStringLiteral("EIGEN"), r.eigen);
    for (int i = 0; i < PrintRecord::kLines; ++i)
        put(lineField(i + 1), r.z[size_t(i)]);
    put(QStringLiteral("S1"), r.s1);
    put(QStringLiteral("S2"), r.s2);
    put(QStringLiteral("S3"), r.s3);
    put(QStringLiteral("S4"), r.s4);
    put(QStringLiteral("S5"), r.s5);
    if (!r.memo.isEmpty())
        t.ReplaceMemo(QStringLiteral("MEMO"), r.memo);
}

PrintRecord PrintTable::read(const TApollo& t) {
    PrintRecord r;
    r.name = t.GetTrimString(QStringLiteral("NAME"));
    r.bild = t.GetTrimString(QStringLiteral("BILD"));
    r.eigen = t.GetTrimString(QStringLiteral("EIGEN"));
    for (int i = 0; i < PrintRecord::kLines; ++i)
        r.z[size_t(i)] = t.GetTrimString(lineField(i + 1));
    r.s1 = t.GetTrimString(QStringLiteral("S1"));
    r.s2 = t.GetTrimString(QStringLiteral("S2"));
    r.s3 = t.GetTrimString(QStringLiteral("S3"));
    r.s4 = t.GetTrimString(QStringLiteral("S4"));
    r.s5 = t.GetTrimString(QStringLiteral("S5"));
    r.memo = t.IsEmpty(QStringLiteral("MEMO")) ? QString() : t.GetMemo(QStringLiteral("MEMO"));
    return r;
}
