#include "search/SearchPass.h"

#include "common/RecipeBook.h"
#include "common/RecipeListing.h"
#include "common/TurboRead.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

namespace {
// Lifts the filter when the pass ends, however it ends.
class FilterLift {
public:
    explicit FilterLift(TApollo& table) : m_table(table) {}
    ~FilterLift() {
        try {
            m_table.Query(QString());
        } catch (...) { // nothing to lift on a table that failed
        }
    }
    FilterLift(const FilterLift&) = delete;
    FilterLift& operator=(const FilterLift&) = delete;

private:
    TApollo& m_table;
};
} // namespace

SearchPass::Outcome SearchPass::run(TApollo& recipes, RecipeListing& listing, int recipeTotal,
                                    const QString& expression, bool homeBarOnly,
                                    const RecipeRecordTest& alsoKeep) {
    Outcome out;
    // Tests applied while the list fills: the list must be rebuilt even without a filter.
    const bool fillTests = homeBarOnly || bool(alsoKeep);
    {
        FilterLift lift(recipes);
        if (!fillTests || !expression.isEmpty()) {
            if (!expression.isEmpty())
                out.found = recipes.Query(expression);
            else
                out.found = recipeTotal == listing.ListedCount() ? -1 : 1;
        }
        if (out.found > 0 || (fillTests && expression.isEmpty())) {
            listing.FillRecipeList(homeBarOnly, alsoKeep);
            out.found = listing.ListedCount();
            out.filled = true;
        }
    }
    out.finished = out.found != 0 && out.filled;
    if (recipeTotal == listing.ListedCount() && expression.isEmpty()) {
        out.clearSearchOff = true;
        out.finished = true;
    }
    return out;
}

int SearchPass::count(TApollo& recipes, const QString& expression, const KeepRecipe& keep,
                      const RecipeRecordTest& alsoKeep) {
    FilterLift lift(recipes);
    if (!expression.isEmpty() && recipes.Query(expression) == 0)
        return 0;
    recipes.table().env().SetDeleted(true); // as the list fill: deleted drinks are never listed
    int found = 0;
    TurboRead fast(recipes);
    for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
        if (keep && !keep(RecipeBook::ingredientNumbers(recipes)))
            continue;
        if (alsoKeep && !alsoKeep(recipes))
            continue;
        ++found;
    }
    return found;
}
