#pragma once

#include "exchange/ExchangeLists.h"
#include "exchange/ExchangeRecipe.h"
#include "exchange/IngredientMatcher.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

class TApolloEnv;

// Adds the recipes of a JSON-LD file as new recipes: our own export as well as the files of recipe
// sites and other programs. The work is done on staged copies of the recipe and ingredient tables
// that replace the data only when every recipe of the file went in: a file that cannot be read
// writes nothing. Within a readable file, a line whose amount cannot be read or converted goes in
// without amount, and the closing message names it.
class JsonLdImport {
public:
    static constexpr int kFirstOwnNumber = 400;
    static constexpr int kHighestNumber = 1500; // what the home bars know
    static constexpr int kNameLength = 40;
    static constexpr int kIngredientNameLength = 30;

    struct Outcome {
        int recipes = 0;
        QStringList created; // the new ingredients, in the order they were made
        QStringList warnings;
    };
    struct Parsed {
        QList<ExchangeRecipe> recipes;
        QStringList notes; // what was left out while reading
    };

    // The recipes of a file, wherever it keeps them: a Recipe object, an array, the "@graph" of a
    // page, an ItemList (its ListItems), a page's "mainEntity". Throws JsonLdError.
    static Parsed parse(const QByteArray& bytes);

    // The tables of dataFolder must be closed meanwhile. Throws JsonLdError for a file that cannot
    // be read and StoreError when the data cannot be read or replaced; the data stay as they were.
    // `aliases`: other names of ingredients, asked before the bar glossary.
    static Outcome run(TApolloEnv& env, const QString& dataFolder, const QByteArray& bytes,
                       const ExchangeLists& lists, int dashesPerCl, IngredientMatcher::Aliases aliases = {});

    // "N Rezepte importiert." with the new ingredients and the warnings, lines broken with CR.
    static QString doneText(const Outcome& outcome);
    static QString unreadableText(const QString& path) {
        return QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(path);
    }
    // The name a recipe gets when its own name is taken: " (Import)", then " (Import 2)" and so on,
    // the name cut so that the whole fits the name field.
    static QString importName(const QString& name, int attempt);
    // Where a recipe goes whose category is not in the lists.
    static QString fallbackCategory() { return QStringLiteral("Shortdrink"); }

private:
    class Pass;
};
