#include "calc/QuantityRecipe.h"

#include "common/RecipeBook.h"

qint64 QuantityRecipe::volumeCl() const {
    qint64 sum = 0;
    for (const Line& line : lines) {
        if (line.unit == UnitKind::Cl)
            sum += line.amount;
    }
    return sum;
}

QuantityRecipe QuantityRecipe::load(TApollo& recipes, TApollo& ingredients, int recNo) {
    return from(RecipeBook(recipes, ingredients).read(recNo, false));
}

QuantityRecipe QuantityRecipe::from(const RecipeRecord& stored) {
    QuantityRecipe recipe;
    recipe.name = stored.name;
    for (const RecipeRecord::Line& line : stored.lines) {
        const IngredientRecord& ingredient = line.ingredient;
        recipe.lines.append({ingredient.number, line.amount, ingredient.found ? ingredient.name : QString(),
                             ingredient.unit, ingredient.alcohol});
    }
    return recipe;
}
