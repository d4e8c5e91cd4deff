#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// `veltadb suche ORDNER N`: saved search N of ORDNER/SUCHEN.CFG run on the tables in ORDNER as the
// program runs it after the slot was loaded into the search dialog and confirmed with OK.
class SearchVerb {
public:
    // Exit code: 0 done, 1 the dialog refused the slot's alcohol range (the notice on err),
    // 2 bad arguments or a folder or table that cannot be read (German text on err).
    static int run(const QString& folder, const QString& slotArgument, QTextStream& out, QTextStream& err);
    // `veltadb finde ORDNER TEXT`: the drinks the quick search finds for TEXT, best first, one a line
    // as SATZ<TAB>NAME<TAB>WIE (anfang, alias, enthalten, tippfehler). Exit code 0; 1 when none is found;
    // 2 for an empty text or a folder or table that cannot be read.
    static int find(const QString& folder, const QString& text, QTextStream& out, QTextStream& err);
    // `veltadb aehnlich ORDNER SATZ`: the drinks closest to recipe SATZ by their ingredients, as the
    // recipe view's "Ähnliche Drinks" lists them, one a line as PUNKTE<TAB>SATZ<TAB>NAME. Exit code 0;
    // 1 when no other drink shares an ingredient; 2 for a number that is no drink or a folder or
    // table that cannot be read.
    static int similar(const QString& folder, const QString& recNoText, QTextStream& out, QTextStream& err);
    // `veltadb check`: the lines of ORDNER/ALIAS.TXT that cannot be read or name nothing in the
    // tables, one "ALIAS.TXT, Zeile N: …" each; none without the file.
    static QStringList aliasProblems(const QString& folder);
    // The same for ORDNER/MERKMALE.TXT, the marks of the search's "ohne" criteria.
    static QStringList markProblems(const QString& folder);
};
