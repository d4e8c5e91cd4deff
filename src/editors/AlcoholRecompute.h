#pragma once

#include "editors/RecipeUsage.h"

#include <QString>

class TApollo;

// The alcohol value `ALK` of every recipe computed anew after an ingredient's alcohol or liquid
// unit changed. One bulk write: the records whose value changes are written as the pass goes on,
// and the files are forced to disk once at the end.
//
// The ingredient and the recipes are one change: beginChange() puts a marker beside the tables
// before the ingredient is written, and run() removes it once every recipe carries its value. A
// start or a verb that finds the marker (the program was killed in between, the disk failed)
// finishes the recomputation first, so nobody sees the new strength with the old values.
class AlcoholRecompute {
public:
    struct Result {
        int recipes = 0; // recipes looked at
        int changed = 0; // recipes whose value changed
    };

    // Throws StoreError; the recipes written before the error keep their new values, the others
    // their old ones, and no record is half-written. A recipe without cl or dash ingredient gets 0.
    static Result run(TApollo& recipes, TApollo& ingredients, int dashesPerCl,
                      const RecipeUsage::Progress& progress = {});
    static QString markerName() { return QStringLiteral("ALKOHOL.NEU"); }
    // Writes the marker; throws StoreError when it cannot (then nothing may be written).
    static void beginChange(TApollo& recipes);
    // Runs the recomputation a marker asks for; false when there was none. Throws StoreError.
    static bool finishPending(TApollo& recipes, TApollo& ingredients, int dashesPerCl);
    static QString waitText() {
        return QStringLiteral("Der Alkoholgehalt aller Rezepte wird aktualisiert...");
    }
    // The error text when the pass stopped: which ingredient's change did not reach every recipe.
    static QString failureText(const QString& ingredient, const QString& error);
};
