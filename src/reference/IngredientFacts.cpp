#include "reference/IngredientFacts.h"

#include "common/IngredientLookup.h"
#include "store/IngredientSlots.h"
#include "store/TApollo.h"

std::optional<IngredientFacts> IngredientFacts::read(TApollo& ingredients, int number) {
    if (number <= 0 || !IngredientLookup::seek(ingredients, number))
        return std::nullopt;
    IngredientFacts info;
    info.name = ingredients.GetTrimString(QStringLiteral("NAME"));
    info.percent = QString::number(ingredients.GetInteger(QStringLiteral("ALKOHOL"))) + QLatin1Char('%');
    if (!ingredients.IsEmpty(QStringLiteral("KOMMENTAR")))
        info.remark = ingredients.GetMemo(QStringLiteral("KOMMENTAR"));
    return info;
}

QList<ListEntry> IngredientFacts::recipeIngredients(const QString& zPadded, TApollo& ingredients) {
    QList<ListEntry> entries;
    const IngredientSlots packed(zPadded, QString());
    for (int k = 0; k < IngredientSlots::kMaxSlots; ++k) {
        const int number = packed.ingredientNumber(k);
        if (number == 0)
            break;
        if (IngredientLookup::seek(ingredients, number))
            entries.append({ingredients.GetTrimString(QStringLiteral("NAME")), number});
    }
    return entries;
}

QString IngredientFacts::clipboardText() const {
    return name + QLatin1Char(' ') + percent + QStringLiteral("\r\n\r\n") + remark;
}
