#pragma once

#include "common/RecipeRecordTest.h"

#include <QList>
#include <QString>

#include <functional>

class RecipeListing;
class TApollo;

// One confirmed search: the filter applied to the recipe table, the list rebuilt from the matches
// (with the home bar rule when asked, and the record test when given: the full text, the further
// criteria), the filter lifted again.
class SearchPass {
public:
    static constexpr int kFoundSound = 1;
    static constexpr int kNothingFoundSound = 2;

    struct Outcome {
        int found = 0;       // 0: nothing found; the search is offered again
        bool filled = false; // the list was rebuilt
        bool finished = false;
        bool clearSearchOff = false; // everything listed and no filter: nothing left to clear
        int sound() const { return found == 0 ? kNothingFoundSound : kFoundSound; }
    };

    // recipeTotal: the number of recipes in the table. The filter is lifted also when the store
    // fails on the way.
    static Outcome run(TApollo& recipes, RecipeListing& listing, int recipeTotal, const QString& expression,
                       bool homeBarOnly, const RecipeRecordTest& alsoKeep = {});

    // Which recipes the home bar rule keeps, by their ingredient numbers.
    using KeepRecipe = std::function<bool(const QList<int>& ingredientNumbers)>;
    // How many drinks such a pass would list, without touching the list: the search dialog's live
    // count. The filter is lifted afterwards. Throws StoreError.
    static int count(TApollo& recipes, const QString& expression, const KeepRecipe& keep,
                     const RecipeRecordTest& alsoKeep);
};
