#pragma once

#include "common/HomeBarTable.h"
#include "common/RecipeListing.h"

class RecipeList;
class TApollo;

// The search's list of drinks as the recipe list without a window: the list fill over the recipe
// table, with the mixable test of one home bar and a number of purchases when asked.
class RecipeListListing : public RecipeListing {
public:
    RecipeListListing(RecipeList& list, TApollo& recipes, HomeBarTable::Test homeBar)
        : m_list(list), m_recipes(recipes), m_homeBar(homeBar) {}

    void FillRecipeList(bool homeBarOnly, const RecipeRecordTest& alsoKeep = {}) override;
    int ListedCount() const override;

private:
    RecipeList& m_list;
    TApollo& m_recipes;
    HomeBarTable::Test m_homeBar;
};
