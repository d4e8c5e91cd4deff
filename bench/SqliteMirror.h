#pragma once

#include <QString>

struct sqlite3;

// The synthetic data set copied into an SQLite database, to measure the store against it.
class SqliteMirror {
public:
    // Copies RE and ZU from the data folder into a new database file. Returns false on failure.
    static bool build(const QString& dataFolder, const QString& dbPath);
    // Adds an FTS5 table `recipe_text(name, anleitung)` over the recipes, accents folded.
    static bool addFullText(const QString& dbPath);
    static sqlite3* open(const QString& dbPath);
    // Runs a query and steps through all rows; returns the row count.
    static int countRows(sqlite3* db, const char* sql);
};
