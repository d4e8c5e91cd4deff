#include "exchange/RecipeUpdate.h"

#include "exchange/StagedTables.h"
#include "store/BulkWrite.h"
#include "store/Fields.h"
#include "store/TApollo.h"
#include "store/TTable.h"

namespace {

namespace R = Fields::Recipe;
namespace I = Fields::Ingredient;

// The update's field names are written in small letters; the store compares them without case.
void copyText(TApollo& from, TApollo& to, const QString& field) {
    to.ReplaceText(field, from.GetTrimString(field));
}

void copyInteger(TApollo& from, TApollo& to, const QString& field) {
    to.ReplaceInteger(field, from.GetInteger(field));
}

int addRecipes(TApollo& update, TApollo& recipes, const QSet<QString>& known) {
    int added = 0;
    for (update.GoTop(); !update.Eof(); update.Skip(1)) {
        if (update.IsDeleted())
            continue;
        // The list is not extended meanwhile: equal new names inside one update all arrive.
        if (known.contains(StagedTables::nameKey(update.GetTrimString(R::Name))))
            continue;
        recipes.AppendBlank();
        copyText(update, recipes, R::Name);
        copyText(update, recipes, R::Picture);
        recipes.ReplaceText(R::Ingredients, update.GetPaddedString(R::Ingredients));
        recipes.ReplaceText(R::Amounts, update.GetPaddedString(R::Amounts));
        for (const QString& field :
             {R::Category, R::Alcohol, R::Decoration, R::Taste, R::Mark, R::AssistantCode})
            copyInteger(update, recipes, field);
        recipes.ReplaceMemo(R::Instructions, update.GetMemo(R::Instructions));
        recipes.Commit();
        ++added;
    }
    return added;
}

int addIngredients(TApollo& update, TApollo& ingredients) {
    QSet<qint64> numbers;
    for (ingredients.GoTop(); !ingredients.Eof(); ingredients.Skip(1))
        numbers.insert(ingredients.GetInteger(I::Number));
    int added = 0;
    for (update.GoTop(); !update.Eof(); update.Skip(1)) {
        const qint64 number = update.GetInteger(I::Number);
        if (update.IsDeleted() || numbers.contains(number))
            continue;
        numbers.insert(number);
        ingredients.AppendBlank();
        ingredients.ReplaceInteger(I::Number, number);
        copyText(update, ingredients, I::Name);
        copyText(update, ingredients, I::Alcohol);
        copyText(update, ingredients, I::Unit);
        // New ingredients are in no home bar.
        for (const QString& bar : {I::Bar1, I::Bar2, I::Bar3})
            ingredients.ReplaceLogical(bar, false);
        for (const QString& field : {I::Price, I::Volume, I::NoPrint, I::Amount})
            copyInteger(update, ingredients, field);
        ingredients.ReplaceMemo(I::Remark, update.GetMemo(I::Remark));
        ingredients.Commit();
        ++added;
    }
    return added;
}

} // namespace

Notice RecipeUpdate::closingNotice(const Outcome& outcome) {
    if (!restart(outcome))
        return Notice::hint(QStringLiteral("Seit dem letzten Update sind\rkeine Rezepte hinzugekommen."), 2);
    return Notice::hint(QString::number(outcome.recipes) +
                            QStringLiteral(" Rezepte wurden hinzugefügt.\r\r"
                                           "Bitte starten Sie Velta Cocktails erneut,\r"
                                           "damit die Änderungen wirksam werden."),
                        4);
}

RecipeUpdate::Outcome RecipeUpdate::run(TApolloEnv& env, const QString& updateFolder,
                                        const QString& dataFolder) {
    StagedTables staged(env, dataFolder);
    const QSet<QString> known = staged.recipeNames();
    Outcome outcome;
    {
        BulkWrite recipeWrites(staged.recipes()), ingredientWrites(staged.ingredients());
        TTable updateTable(env);
        TApollo update(updateTable);
        updateTable.Open(updateFolder, QStringLiteral("V98_R"), true);
        outcome.recipes = addRecipes(update, staged.recipes(), known);
        updateTable.Close();
        updateTable.Open(updateFolder, QStringLiteral("V98_Z"), true);
        outcome.ingredients = addIngredients(update, staged.ingredients());
        updateTable.Close();
        ingredientWrites.finish();
        recipeWrites.finish();
    }
    if (restart(outcome))
        staged.replaceData();
    return outcome;
}
