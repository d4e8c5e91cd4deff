#pragma once

#include "reference/IngredientFacts.h"

class TApollo;

// "Zutateninfo" of the recipe shown: its ingredients in recipe order, and what the ingredient
// table says about each.
class RecipeIngredientsSession {
public:
    RecipeIngredientsSession(TApollo& recipes, TApollo& ingredients)
        : m_recipes(recipes), m_ingredients(ingredients) {}

    // Opening: the ingredients of the recipe with that record number; none when there is no such
    // recipe. Throws StoreError.
    void begin(int recNo);
    // Opening with ingredients chosen elsewhere, in their order.
    void beginWith(const QList<ListEntry>& ingredients) { m_entries = ingredients; }
    const QList<ListEntry>& entries() const { return m_entries; }
    // The details of a row; empty for no row or an ingredient deleted meanwhile.
    std::optional<IngredientFacts> info(int row) const;

private:
    TApollo& m_recipes;
    TApollo& m_ingredients;
    QList<ListEntry> m_entries;
};
