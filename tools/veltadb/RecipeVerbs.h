#pragma once

#include <QStringList>
#include <QTextStream>

// The recipe verbs of veltadb, run by the recipe editor's and the recipe list editor's own core:
//   recipe-list ORDNER
//   recipe-add ORDNER FELD=WERT...
//   recipe-edit ORDNER SATZ FELD=WERT...
//   recipe-delete ORDNER SATZ
// Fields: name, zutat (NUMMER:MENGE, repeatable, in order; MENGE left out for an ingredient
// without amount), kategorie, geschmack, deko (names as the editor's boxes show them, "" for
// none), anleitung, bemerkung, foto, canr.
class RecipeVerbs {
public:
    // -1 when the arguments name no recipe verb; otherwise the exit code (2 for bad arguments).
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
    static QString usage();
};
