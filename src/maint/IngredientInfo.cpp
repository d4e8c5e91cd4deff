#include "maint/IngredientInfo.h"

#include "common/IngredientLookup.h"
#include "store/TApollo.h"

std::optional<IngredientInfo> IngredientInfo::find(TApollo& ingredients, int number) {
    if (number <= 0 || !IngredientLookup::seek(ingredients, number))
        return std::nullopt;
    return current(ingredients);
}

IngredientInfo IngredientInfo::current(const TApollo& ingredients) {
    IngredientInfo info;
    info.number = int(ingredients.GetInteger(QStringLiteral("INDEX")));
    info.name = ingredients.GetTrimString(QStringLiteral("NAME"));
    info.kind = int(ingredients.GetInteger(QStringLiteral("KENNUNG")));
    info.alcohol = int(ingredients.GetInteger(QStringLiteral("ALKOHOL")));
    return info;
}
