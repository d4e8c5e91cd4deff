// Feeds arbitrary bytes to the table reader as a DBF file and its memo file, then reads
// everything a caller could read, and then writes to it as the program does: a table that opened
// must open again after the writes, and every text that was readable and not replaced must read
// the same. Input: two bytes giving the length of the DBF part, the DBF bytes, then the memo bytes.
#include "store/BulkWrite.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>

namespace {

const QString& workFolder() {
    static const QString folder = [] {
        const QString f = QDir::tempPath() + QStringLiteral("/velta-fuzz-table-") + QString::number(getpid());
        QDir().mkpath(f);
        return f;
    }();
    return folder;
}

void writeFile(const QString& path, const uint8_t* data, size_t size) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(reinterpret_cast<const char*>(data), qint64(size));
}

void readAllFields(TApollo& t) {
    for (int i = 1; i <= t.FieldCount(); ++i) {
        const QString name = t.FieldName(i);
        const char type = t.table().file().fields().at(i - 1).type;
        if (type == 'M') {
            t.GetMemo(name);
        } else {
            t.GetTrimString(name);
            t.GetPaddedString(name);
            t.GetInteger(name);
            t.GetLogical(name);
        }
        t.IsEmpty(name);
    }
}

void exercise(TApolloEnv& env, TTable& table) {
    TApollo t(table);
    for (bool hide : {true, false}) {
        env.SetDeleted(hide);
        for (t.GoTop(); !t.Eof(); t.Skip())
            readAllFields(t);
        t.GoBottom();
        t.Skip(-1);
        t.Count();
    }
    for (const DbfField& f : table.file().fields()) {
        if (f.type == 'N') {
            t.IndexTag(QString(), QStringLiteral("K"), QString::fromLatin1(f.name));
            t.Seek(QStringLiteral("42"));
            break;
        }
    }
}

void openTable(TTable& table, bool readOnly) {
    table.setDatabaseName(workFolder());
    table.setTableName(QStringLiteral("F"));
    table.setReadOnly(readOnly);
    table.Open();
}

const DbfField* firstOfType(const TTable& table, char type) {
    for (const DbfField& f : table.file().fields()) {
        if (f.type == type)
            return &f;
    }
    return nullptr;
}

// The readable texts of the memo field by record number.
std::map<int, QString> readableTexts(TApollo& t, const QString& memo) {
    std::map<int, QString> texts;
    for (int r = 1; r <= t.RecCount(); ++r) {
        t.Go(r);
        try {
            texts[r] = t.GetMemo(memo);
        } catch (const StoreError&) {
        }
    }
    return texts;
}

template <typename Fn> void attempt(Fn fn) {
    try {
        fn();
    } catch (const StoreError&) {
    }
}

// Writes as the program does; returns the records whose text was replaced.
std::vector<int> write(TApollo& t, const DbfField* memo, const DbfField* number, const DbfField* text) {
    std::vector<int> replaced;
    const QString memoName = memo ? QString::fromLatin1(memo->name) : QString();
    if (memo && t.RecCount() > 0) {
        t.Go(t.RecCount());
        replaced.push_back(t.RecCount());
        attempt([&] { t.ReplaceMemo(memoName, QString(150, QLatin1Char('n'))); });
        attempt([&] { t.Commit(); });
    }
    attempt([&] {
        t.AppendBlank();
        replaced.push_back(t.RecNo());
        if (text)
            t.ReplaceText(QString::fromLatin1(text->name), QStringLiteral("Neu"));
        if (memo)
            t.ReplaceMemo(memoName, QStringLiteral("Neuer Text"));
        t.Commit();
    });
    attempt([&] {
        BulkWrite bulk(t);
        for (t.GoTop(); !t.Eof(); t.Skip()) {
            if (number)
                t.ReplaceText(QString::fromLatin1(number->name), QStringLiteral("1.5"));
        }
        t.Go(1);
        t.Delete();
        bulk.finish();
    });
    return replaced;
}

// A table that opened for writing keeps opening, and keeps the texts it did not replace.
void exerciseWrites(TApolloEnv& env) {
    TTable table(env);
    try {
        openTable(table, false);
    } catch (const StoreError&) {
        return;
    }
    const DbfField* memo = firstOfType(table, 'M');
    const QString memoName = memo ? QString::fromLatin1(memo->name) : QString();
    TApollo t(table);
    env.SetDeleted(false);
    const std::map<int, QString> before = memo ? readableTexts(t, memoName) : std::map<int, QString>();
    const std::vector<int> replaced = write(t, memo, firstOfType(table, 'N'), firstOfType(table, 'C'));
    attempt([&] { table.Close(); });
    TTable again(env);
    try {
        openTable(again, true);
    } catch (const StoreError&) {
        abort(); // the writes made an openable table unopenable
    }
    if (!memo)
        return;
    TApollo a(again);
    const std::map<int, QString> after = readableTexts(a, memoName);
    for (const auto& [recNo, text] : before) {
        const bool rewritten = std::find(replaced.begin(), replaced.end(), recNo) != replaced.end();
        if (!rewritten && (after.count(recNo) == 0 || after.at(recNo) != text))
            abort(); // a write overwrote a text that a record uses
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TApolloEnv env;
    if (size < 2)
        return 0;
    const size_t split = qMin<size_t>(size - 2, size_t(data[0]) | size_t(data[1]) << 8);
    const uint8_t* dbf = data + 2;
    const uint8_t* memo = dbf + split;
    const size_t memoSize = size - 2 - split;
    const bool dbt = split > 0 && (dbf[0] == 0x83 || dbf[0] == 0x86);
    writeFile(workFolder() + QStringLiteral("/F.DBF"), dbf, split);
    QFile::remove(workFolder() + QStringLiteral("/F.SMT"));
    QFile::remove(workFolder() + QStringLiteral("/F.DBT"));
    writeFile(workFolder() + (dbt ? QStringLiteral("/F.DBT") : QStringLiteral("/F.SMT")), memo, memoSize);
    TTable table(env);
    table.setDatabaseName(workFolder());
    table.setTableName(QStringLiteral("F"));
    table.setReadOnly(true);
    try {
        table.Open();
        exercise(env, table);
    } catch (const StoreError&) {
    }
    attempt([&] { table.Close(); });
    exerciseWrites(env);
    return 0;
}
