#pragma once

#include "common/Notice.h"

#include <QString>

class TApolloEnv;

// Adds the recipes and ingredients of a downloaded update ("V98_R.DBF" and "V98_Z.DBF" with their
// memos) that the data lack: recipes by name (letter case ignored), ingredients by number.
// Nothing is renumbered. The tables are extended as staged copies that replace them only when
// both update tables were read completely.
class RecipeUpdate {
public:
    struct Outcome {
        int recipes = 0;
        int ingredients = 0;
    };

    static QString chooserText() {
        return QStringLiteral("Bitte wählen Sie das Verzeichnis, in das Sie die Update-Datei aus dem "
                              "Internet gespeichert haben.");
    }
    // What the user is told at the end; restart says that the program must end now.
    static Notice closingNotice(const Outcome& outcome);
    static bool restart(const Outcome& outcome) { return outcome.recipes + outcome.ingredients > 0; }

    // The tables of dataFolder must be closed meanwhile. Throws StoreError when an update table
    // cannot be read (nothing is added then) or the data cannot be replaced.
    static Outcome run(TApolloEnv& env, const QString& updateFolder, const QString& dataFolder);
};
