#include "calc/DrinkLookup.h"

#include "calc/BloodAlcohol.h"
#include "calc/QuantityRecipe.h"
#include "common/IngredientLookup.h"
#include "common/KeepPosition.h"
#include "common/TurboRead.h"
#include "store/IngredientSlots.h"
#include "store/TApollo.h"

std::optional<DrinkLookup::Drink> DrinkLookup::drink(int tag) {
    if (isIngredient(tag))
        return ingredient(tag - kIngredientTag);
    return recipe(tag);
}

std::optional<DrinkLookup::Drink> DrinkLookup::ingredient(int number) {
    if (!IngredientLookup::seek(m_ingredients, number))
        return std::nullopt;
    const qint64 menge = m_ingredients.GetInteger(QStringLiteral("MENGE"));
    const qint64 pieceCl = menge < 1 ? BloodAlcohol::kDefaultPortionCl : menge;
    return Drink{int(m_ingredients.GetInteger(QStringLiteral("ALKOHOL"))), 10 * pieceCl};
}

std::optional<DrinkLookup::Drink> DrinkLookup::recipe(int recNo) {
    KeepPosition keep(m_recipes);
    if (recNo < 1 || recNo > m_recipes.RecCount())
        return std::nullopt;
    m_recipes.Go(recNo);
    if (m_recipes.Eof() || m_recipes.IsDeleted())
        return std::nullopt;
    return Drink{int(m_recipes.GetInteger(QStringLiteral("ALK"))), 10 * clSum()};
}

qint64 DrinkLookup::clSum() {
    const IngredientSlots packed(m_recipes.GetPaddedString(QStringLiteral("Z")),
                                 m_recipes.GetPaddedString(QStringLiteral("ZMENGE")));
    qint64 sum = 0;
    for (const IngredientSlots::Line& line : packed.lines()) {
        if (IngredientLookup::seek(m_ingredients, line.ingredient) &&
            m_ingredients.GetInteger(QStringLiteral("KENNUNG")) == QuantityRecipe::Cl)
            sum += line.amount;
    }
    return sum;
}

QList<ListEntry> DrinkLookup::readRecipes() {
    QList<ListEntry> entries;
    KeepPosition keep(m_recipes);
    if (!m_recipes.LockFile())
        return entries;
    {
        TurboRead fast(m_recipes);
        for (m_recipes.GoTop(); !m_recipes.Eof(); m_recipes.Skip())
            entries.append({m_recipes.GetTrimString(QStringLiteral("NAME")), m_recipes.RecNo()});
    }
    m_recipes.Unlock();
    return entries;
}
