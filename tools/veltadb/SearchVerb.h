#pragma once

#include <QString>

class QTextStream;

// `veltadb suche ORDNER N`: saved search N of ORDNER/SUCHEN.CFG run on the tables in ORDNER as the
// program runs it after the slot was loaded into the search dialog and confirmed with OK.
class SearchVerb {
public:
    // Exit code: 0 done, 1 the dialog refused the slot's alcohol range (the notice on err),
    // 2 bad arguments or a folder or table that cannot be read (German text on err).
    static int run(const QString& folder, const QString& slotArgument, QTextStream& out, QTextStream& err);
};
