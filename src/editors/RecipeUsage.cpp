#include "editors/RecipeUsage.h"

#include "common/TurboRead.h"
#include "store/Cp1252.h"
#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/TApollo.h"

int RecipeUsage::countWhere(TApollo& recipes, const std::function<bool(TApollo&)>& uses,
                            const Progress& progress) {
    const int step = progressStep(recipes.RecCount());
    TurboRead fast(recipes);
    int count = 0;
    for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
        if (uses(recipes))
            ++count;
        if (progress && step != 0 && recipes.RecNo() % step == 0)
            progress(recipes.RecNo());
    }
    return count;
}

// The ingredient's code anywhere in `Z`, as the slots hold it.
int RecipeUsage::ingredient(TApollo& recipes, int number, const Progress& progress) {
    if (number <= 0)
        return 0;
    const QByteArray code = Cp1252::fromUnicode(IngredientSlots::FormatNumber5(number));
    return countWhere(
        recipes, [&](TApollo& t) { return t.GetRawBytes(Fields::Recipe::Ingredients).contains(code); },
        progress);
}

int RecipeUsage::countField(TApollo& recipes, const QString& field, int value, const Progress& progress) {
    return countWhere(
        recipes, [&](TApollo& t) { return t.GetInteger(field) == value; }, progress);
}

int RecipeUsage::category(TApollo& recipes, int number, const Progress& progress) {
    return countField(recipes, Fields::Recipe::Category, number, progress);
}

int RecipeUsage::taste(TApollo& recipes, int number, const Progress& progress) {
    return countField(recipes, Fields::Recipe::Taste, number, progress);
}

int RecipeUsage::decoration(TApollo& recipes, int recNo, const Progress& progress) {
    return countField(recipes, Fields::Recipe::Decoration, recNo, progress);
}
