#include "reference/IngredientFacts.h"

#include "common/IngredientLookup.h"
#include "store/Fields.h"
#include "store/TApollo.h"

std::optional<IngredientFacts> IngredientFacts::read(TApollo& ingredients, int number) {
    if (number <= 0 || !IngredientLookup::seek(ingredients, number))
        return std::nullopt;
    IngredientFacts info;
    info.name = ingredients.GetTrimString(Fields::Ingredient::Name);
    info.percent = QString::number(ingredients.GetInteger(Fields::Ingredient::Alcohol)) + QLatin1Char('%');
    if (!ingredients.IsEmpty(Fields::Ingredient::Remark))
        info.remark = ingredients.GetMemo(Fields::Ingredient::Remark);
    return info;
}

QString IngredientFacts::clipboardText() const {
    return name + QLatin1Char(' ') + percent + QStringLiteral("\r\n\r\n") + remark;
}
