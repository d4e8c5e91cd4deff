#pragma once

#include "store/DbfFile.h"

// The fields of the four main tables. Widths are ours; they hold what the program writes
// (recipe names up to 40 characters leave room for the " (Import)" suffix).
class TableSchemas {
public:
    static QList<DbfFile::Definition> recipes();
    static QList<DbfFile::Definition> ingredients();
    static QList<DbfFile::Definition> decorations();
    static QList<DbfFile::Definition> lexicon();
    // The print table: widths hold a recipe name, a photo key, an ingredient line (four digits,
    // blank, unit, two blanks and a 30-character name) and the list's first summary line (three
    // names, the separators and a trailing comma). `EIGEN` carries the own photo, which the card
    // prints first.
    static constexpr int kPrintLines = 20;
    static constexpr int kPrintFacts = 5;
    static QList<DbfFile::Definition> printTable();

    // Creates "RE", "ZU", "DE" and "BA" (DBF 0xE5 with SMT memos) in the folder.
    static void createMainTables(const QString& folder);
};
