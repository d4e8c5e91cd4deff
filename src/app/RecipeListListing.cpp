#include "app/RecipeListListing.h"

#include "browser/RecipeList.h"

void RecipeListListing::FillRecipeList(bool homeBarOnly, const RecipeRecordTest& alsoKeep) {
    if (homeBarOnly)
        m_list.fill(
            m_recipes, [this](const QList<int>& numbers) { return m_homeBar.keeps(numbers); }, alsoKeep);
    else
        m_list.fill(m_recipes, {}, alsoKeep);
}

int RecipeListListing::ListedCount() const {
    return m_list.ListedCount();
}
