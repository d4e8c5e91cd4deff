#include "calc/QuantityRecipe.h"

#include "common/IngredientLookup.h"
#include "common/UnitKind.h"
#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/TApollo.h"

qint64 QuantityRecipe::volumeCl() const {
    qint64 sum = 0;
    for (const Line& line : lines) {
        if (line.unit == Cl)
            sum += line.amount;
    }
    return sum;
}

QuantityRecipe QuantityRecipe::load(TApollo& recipes, TApollo& ingredients) {
    QuantityRecipe recipe;
    recipe.name = recipes.GetTrimString(QStringLiteral("NAME"));
    const IngredientSlots packed(recipes.GetPaddedString(QStringLiteral("Z")),
                                 recipes.GetPaddedString(QStringLiteral("ZMENGE")));
    for (const IngredientSlots::Line& slot : packed.lines()) {
        Line line{slot.ingredient, slot.amount, QString(), NoAmount};
        if (IngredientLookup::seek(ingredients, slot.ingredient)) {
            line.name = ingredients.GetTrimString(QStringLiteral("NAME")).left(kNameLength);
            line.unit = int(ingredients.GetInteger(QStringLiteral("KENNUNG")));
            line.alcohol = int(ingredients.GetInteger(Fields::Ingredient::Alcohol));
        }
        recipe.lines.append(line);
    }
    return recipe;
}
