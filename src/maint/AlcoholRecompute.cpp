#include "maint/AlcoholRecompute.h"

#include "common/TurboRead.h"
#include "store/AlcoholValue.h"
#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/StoreError.h"
#include "store/TApollo.h"

#include <QHash>

namespace {

AlcoholValue::Known readIngredients(TApollo& ingredients) {
    AlcoholValue::Known out;
    TurboRead fast(ingredients);
    for (ingredients.GoTop(); !ingredients.Eof(); ingredients.Skip()) {
        out.insert(int(ingredients.GetInteger(Fields::Ingredient::Number)),
                   {int(ingredients.GetInteger(Fields::Ingredient::Unit)),
                    int(ingredients.GetInteger(Fields::Ingredient::Alcohol))});
    }
    return out;
}

} // namespace

AlcoholRecompute::Result AlcoholRecompute::run(TApollo& recipes, TApollo& ingredients, int dashesPerCl,
                                               const RecipeUsage::Progress& progress) {
    const AlcoholValue::Known known = readIngredients(ingredients);
    const AlcoholValue::Lookup lookup = AlcoholValue::lookupIn(known);
    const QString z = Fields::Recipe::Ingredients;
    const QString zmenge = Fields::Recipe::Amounts;
    const QString alk = Fields::Recipe::Alcohol;
    const int step = RecipeUsage::progressStep(recipes.RecCount());
    Result result;
    try {
        TurboRead fast(recipes);
        for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
            ++result.recipes;
            const IngredientSlots stored(recipes.GetPaddedString(z), recipes.GetPaddedString(zmenge));
            const int value = AlcoholValue::compute(stored.lines(), lookup, dashesPerCl);
            if (value != recipes.GetInteger(alk)) {
                recipes.Edit();
                recipes.ReplaceInteger(alk, value);
                ++result.changed;
            }
            if (progress && step != 0 && recipes.RecNo() % step == 0)
                progress(recipes.RecNo());
        }
        recipes.Commit();
    } catch (const StoreError&) {
        recipes.Cancel();
        throw;
    }
    return result;
}

QString AlcoholRecompute::failureText(const QString& ingredient, const QString& error) {
    return QStringLiteral("Die Änderung der Zutat \"%1\" konnte nicht in den Alkoholgehalt aller Rezepte "
                          "übernommen werden.\r%2")
        .arg(ingredient, error);
}
