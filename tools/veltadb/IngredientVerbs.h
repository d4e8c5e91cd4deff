#pragma once

#include <QStringList>
#include <QTextStream>

// The ingredient verbs of veltadb, run by the ingredient list's own core:
//   ingredient-list ORDNER
//   ingredient-add ORDNER FELD=WERT...
//   ingredient-edit ORDNER NUMMER FELD=WERT...   (recomputes the recipes' alcohol when needed)
//   ingredient-delete ORDNER NUMMER
//   ingredient-usage ORDNER NUMMER
// Fields: name, alkohol, einheit (cl, g, st, keine, dash), drucken (ja, nein), bemerkung.
class IngredientVerbs {
public:
    static bool handles(const QString& verb);
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
    static QString usage();
};
