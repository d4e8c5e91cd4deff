#include "reference/RecipeIngredientsSession.h"

#include "common/RecipeBook.h"
#include "store/TApollo.h"

void RecipeIngredientsSession::begin(int recNo) {
    m_entries.clear();
    if (recNo < 1 || recNo > m_recipes.RecCount())
        return;
    m_recipes.Go(recNo);
    if (m_recipes.Eof())
        return;
    // Numbers missing from the table are left out, repeated ones repeat.
    for (const RecipeRecord::Line& line : RecipeBook(m_recipes, m_ingredients).read(recNo, false).lines)
        if (line.ingredient.found)
            m_entries.append({line.ingredient.name, line.ingredient.number});
}

std::optional<IngredientFacts> RecipeIngredientsSession::info(int row) const {
    if (row < 0 || row >= m_entries.size())
        return std::nullopt;
    return IngredientFacts::read(m_ingredients, m_entries.at(row).data);
}
