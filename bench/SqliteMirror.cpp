#include "SqliteMirror.h"

#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QFile>

#include <sqlite3.h>

namespace {

bool exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void bindText(sqlite3_stmt* s, int at, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(s, at, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

} // namespace

sqlite3* SqliteMirror::open(const QString& dbPath) {
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(dbPath).constData(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    // Like the store's exclusive opening: the file lock is taken once, not for every statement.
    exec(db, "PRAGMA locking_mode=EXCLUSIVE;");
    return db;
}

bool SqliteMirror::build(const QString& dataFolder, const QString& dbPath) {
    QFile::remove(dbPath);
    sqlite3* db = open(dbPath);
    if (!db)
        return false;
    bool ok = exec(
        db, "CREATE TABLE recipes(name TEXT, bild TEXT, z TEXT, zmenge TEXT, kat INT, gesch INT, alk INT,"
            " deko INT, mark INT, canr INT, anleitung TEXT);"
            "CREATE TABLE ingredients(idx INTEGER PRIMARY KEY, name TEXT, alkohol INT, kennung INT,"
            " kommentar TEXT); BEGIN;");
    TApolloEnv env;
    TTable re(env);
    re.setDatabaseName(dataFolder);
    re.setTableName(QStringLiteral("RE"));
    re.setReadOnly(true);
    re.Open();
    TApollo r(re);
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO recipes VALUES(?,?,?,?,?,?,?,?,?,?,?)", -1, &ins, nullptr);
    for (r.GoTop(); ok && !r.Eof(); r.Skip()) {
        bindText(ins, 1, r.GetTrimString(QStringLiteral("NAME")));
        bindText(ins, 2, r.GetPaddedString(QStringLiteral("BILD")));
        bindText(ins, 3, r.GetPaddedString(QStringLiteral("Z")));
        bindText(ins, 4, r.GetPaddedString(QStringLiteral("ZMENGE")));
        int at = 5;
        for (const char* f : {"KAT", "GESCH", "ALK", "DEKO", "MARK", "CANR"})
            sqlite3_bind_int(ins, at++, int(r.GetInteger(QString::fromLatin1(f))));
        bindText(ins, 11, r.GetMemo(QStringLiteral("ANLEITUNG")));
        ok = sqlite3_step(ins) == SQLITE_DONE && sqlite3_reset(ins) == SQLITE_OK;
    }
    sqlite3_finalize(ins);
    TTable zu(env);
    zu.setDatabaseName(dataFolder);
    zu.setTableName(QStringLiteral("ZU"));
    zu.setReadOnly(true);
    zu.Open();
    TApollo z(zu);
    sqlite3_prepare_v2(db, "INSERT INTO ingredients VALUES(?,?,?,?,?)", -1, &ins, nullptr);
    for (z.GoTop(); ok && !z.Eof(); z.Skip()) {
        sqlite3_bind_int(ins, 1, int(z.GetInteger(QStringLiteral("INDEX"))));
        bindText(ins, 2, z.GetTrimString(QStringLiteral("NAME")));
        sqlite3_bind_int(ins, 3, int(z.GetInteger(QStringLiteral("ALKOHOL"))));
        sqlite3_bind_int(ins, 4, int(z.GetInteger(QStringLiteral("KENNUNG"))));
        bindText(ins, 5, z.GetMemo(QStringLiteral("KOMMENTAR")));
        ok = sqlite3_step(ins) == SQLITE_DONE && sqlite3_reset(ins) == SQLITE_OK;
    }
    sqlite3_finalize(ins);
    ok = ok && exec(db, "COMMIT;");
    sqlite3_close(db);
    return ok;
}

bool SqliteMirror::addFullText(const QString& dbPath) {
    sqlite3* db = open(dbPath);
    if (!db)
        return false;
    const bool ok = exec(db, "CREATE VIRTUAL TABLE recipe_text USING fts5(name, anleitung,"
                             " tokenize = 'unicode61 remove_diacritics 2');"
                             "INSERT INTO recipe_text(rowid, name, anleitung)"
                             " SELECT rowid, name, anleitung FROM recipes;");
    sqlite3_close(db);
    return ok;
}

int SqliteMirror::countRows(sqlite3* db, const char* sql) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) != SQLITE_OK)
        return -1;
    int rows = 0;
    while (sqlite3_step(s) == SQLITE_ROW)
        ++rows;
    sqlite3_finalize(s);
    return rows;
}
