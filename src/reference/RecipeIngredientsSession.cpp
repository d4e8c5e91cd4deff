#include "reference/RecipeIngredientsSession.h"

#include "store/TApollo.h"

void RecipeIngredientsSession::begin(int recNo) {
    m_entries.clear();
    if (recNo < 1 || recNo > m_recipes.RecCount())
        return;
    m_recipes.Go(recNo);
    if (!m_recipes.Eof())
        m_entries =
            IngredientFacts::recipeIngredients(m_recipes.GetPaddedString(QStringLiteral("Z")), m_ingredients);
}

std::optional<IngredientFacts> RecipeIngredientsSession::info(int row) const {
    if (row < 0 || row >= m_entries.size())
        return std::nullopt;
    return IngredientFacts::read(m_ingredients, m_entries.at(row).data);
}
