#include "SearchVerb.h"

#include "app/RecipeListListing.h"
#include "browser/RecipeList.h"
#include "maint/ChoiceLists.h"
#include "search/SearchPass.h"
#include "search/SearchSession.h"
#include "store/ListsFile.h"
#include "store/SavedSearches.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace {
void openTable(TTable& table, const QString& folder, const char* name) {
    table.setDatabaseName(folder);
    table.setTableName(QString::fromLatin1(name));
    table.setReadOnly(true);
    table.Open();
}

int slotNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= SavedSearches::kSlots ? n : 0;
}

SearchChoices choicesFor(const QString& folder, const IngredientChoices& ingredients) {
    QStringList categories;
    QStringList tastes;
    ListsFile::load(QDir(folder).filePath(QStringLiteral("VE.DAT")), &categories, &tastes);
    const QString none = SearchSession::noChoice();
    return {ChoiceLists::ingredientBox(ingredients.zutatliste),
            ChoiceLists::categoryChoices(categories, none), ChoiceLists::tasteChoices(tastes, none)};
}
} // namespace

int SearchVerb::run(const QString& folder, const QString& slotArgument, QTextStream& out, QTextStream& err) {
    const int slot = slotNumber(slotArgument);
    if (slot == 0) {
        err << "veltadb: Die Nummer der gespeicherten Suche muss zwischen 1 und 10 liegen.\n";
        return 2;
    }
    if (!QFileInfo(folder).isDir()) {
        err << "veltadb: Der Ordner " << folder << " wurde nicht gefunden.\n";
        return 2;
    }
    TApolloEnv env;
    env.SetDeleted(true);
    TTable recipeTable(env);
    TTable ingredientTable(env);
    try {
        openTable(recipeTable, folder, "RE");
        openTable(ingredientTable, folder, "ZU");
        TApollo recipes(recipeTable);
        TApollo ingredientRecords(ingredientTable);
        const IngredientChoices ingredients = ChoiceLists::readIngredients(ingredientRecords);

        SavedSearches saved = SavedSearches::load(QDir(folder).filePath(QStringLiteral("SUCHEN.CFG")));
        SearchSession session(saved);
        session.setChoices(choicesFor(folder, ingredients));
        session.loadSlot(slot - 1);
        const SearchSession::Confirmation confirmation = session.confirm();
        if (!confirmation.accepted()) {
            err << "veltadb: " << confirmation.notice << '\n';
            return 1;
        }
        RecipeList list;
        RecipeListListing listing(list, recipes,
                                  {&ingredients.homeBars, confirmation.optionBar, confirmation.purchases});
        listing.FillRecipeList(false); // the program starts with every drink listed
        const QString expression = session.expression();
        const SearchPass::Outcome outcome =
            SearchPass::run(recipes, listing, recipes.Count(), expression, session.form().homeBarOnly);
        QList<int> numbers = outcome.found == 0 ? QList<int>() : list.recordNumbers();
        std::sort(numbers.begin(), numbers.end());
        out << "filter: " << expression << '\n';
        for (const int n : numbers)
            out << n << '\n';
        out << "count: " << numbers.size() << '\n';
        return 0;
    } catch (const StoreError& e) {
        err << "veltadb: " << e.text() << '\n';
        return 2;
    }
}
