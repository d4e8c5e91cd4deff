#pragma once

#include "common/Notice.h"

#include <QString>

#include <functional>

class TApollo;
class TApolloEnv;

// Takes over the user's own recipes and ingredients from a version-1 folder. The work is done on
// copies of the recipe and ingredient tables in a folder beside the data, which replace the
// tables only when the whole import succeeded: a damaged source leaves the data as they were.
class Version1Import {
public:
    static constexpr int kSuppliedIngredients = 187;
    static constexpr int kMaxOwnIngredients = 200;
    static constexpr int kFirstOwnNumber = 400;

    struct Outcome {
        int recipes = 0;
        int ingredients = 0;
        bool damaged = false;            // a source table could not be read: nothing was imported
        bool tooManyIngredients = false; // more own ingredients than the number map holds
    };
    // Called while the recipes are read: records read so far, and their total.
    using Progress = std::function<void(int done, int total)>;

    static QString chooserText() {
        return QStringLiteral("Bitte wählen Sie das Verzeichnis, in dem sich Velta Cocktails 1.0 befindet.");
    }
    static QString waitText() { return QStringLiteral("Die Datenbank wird um neue Einträge erweitert."); }
    static QString damagedText() { return QStringLiteral("Die zu importierenden Dateien sind defekt."); }
    static QString tooManyText() { return QStringLiteral("Hotline anrufen!!!"); }
    // The closing message: the restart request after imported recipes, else the notice that none
    // were found.
    static Notice closingNotice(const Outcome& outcome);

    // A version-1 memo as text of this version: line breaks converted, and in instructions the
    // remark marker turned into the separator.
    static QString convertMemo(const QString& memo, bool instructions);

    // Works in the program's store environment (there is one at a time); the tables of dataFolder
    // must be closed meanwhile. Throws StoreError when the data's own tables cannot be read or
    // replaced.
    static Outcome run(TApolloEnv& env, const QString& version1Folder, const QString& dataFolder,
                       const Progress& progress = {});

private:
    class Pass;
};
