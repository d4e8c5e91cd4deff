// Feeds arbitrary bytes to the table reader as a DBF file and its memo file, then reads
// everything a caller could read. Input: two bytes giving the length of the DBF part, the DBF
// bytes, then the memo bytes.
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>
#include <QFile>

#include <cstdint>

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
    return 0;
}
