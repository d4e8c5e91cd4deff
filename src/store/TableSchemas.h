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

    // Creates "RE", "ZU", "DE" and "BA" (DBF 0xE5 with SMT memos) in the folder.
    static void createMainTables(const QString& folder);
};
