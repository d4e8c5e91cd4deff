#include "editors/IngredientInfo.h"

#include "common/IngredientLookup.h"
#include "store/Fields.h"
#include "store/TApollo.h"

std::optional<IngredientInfo> IngredientInfo::find(TApollo& ingredients, int number) {
    if (number <= 0 || !IngredientLookup::seek(ingredients, number))
        return std::nullopt;
    return current(ingredients);
}

IngredientInfo IngredientInfo::current(const TApollo& ingredients) {
    IngredientInfo info;
    info.number = int(ingredients.GetInteger(Fields::Ingredient::Number));
    info.name = ingredients.GetTrimString(Fields::Ingredient::Name);
    info.kind = int(ingredients.GetInteger(Fields::Ingredient::Unit));
    info.alcohol = int(ingredients.GetInteger(Fields::Ingredient::Alcohol));
    return info;
}
