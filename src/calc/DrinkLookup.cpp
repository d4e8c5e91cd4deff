#include "calc/DrinkLookup.h"

#include "calc/BloodAlcohol.h"
#include "common/IngredientLookup.h"
#include "common/KeepPosition.h"
#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "store/Fields.h"
#include "store/TApollo.h"

std::optional<DrinkLookup::Drink> DrinkLookup::drink(int tag) {
    if (isIngredient(tag))
        return ingredient(tag - kIngredientTag);
    return recipe(tag);
}

std::optional<DrinkLookup::Drink> DrinkLookup::ingredient(int number) {
    if (!IngredientLookup::seek(m_ingredients, number))
        return std::nullopt;
    const qint64 menge = m_ingredients.GetInteger(Fields::Ingredient::Amount);
    const qint64 pieceCl = menge < 1 ? BloodAlcohol::kDefaultPortionCl : menge;
    return Drink{int(m_ingredients.GetInteger(Fields::Ingredient::Alcohol)), 10 * pieceCl};
}

std::optional<DrinkLookup::Drink> DrinkLookup::recipe(int recNo) {
    KeepPosition keep(m_recipes);
    if (recNo < 1 || recNo > m_recipes.RecCount())
        return std::nullopt;
    m_recipes.Go(recNo);
    if (m_recipes.Eof() || m_recipes.IsDeleted())
        return std::nullopt;
    const RecipeRecord stored = RecipeBook(m_recipes, m_ingredients).read(recNo, false);
    return Drink{stored.alcohol, 10 * qint64(stored.clTotal())};
}

QList<ListEntry> DrinkLookup::readRecipes() {
    QList<ListEntry> entries;
    KeepPosition keep(m_recipes);
    if (!m_recipes.LockFile())
        return entries;
    {
        TurboRead fast(m_recipes);
        for (m_recipes.GoTop(); !m_recipes.Eof(); m_recipes.Skip())
            entries.append({RecipeBook::name(m_recipes), m_recipes.RecNo()});
    }
    m_recipes.Unlock();
    return entries;
}
