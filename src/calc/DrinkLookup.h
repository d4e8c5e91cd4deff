#pragma once

#include "common/ListEntry.h"

#include <optional>

class TApollo;

// The entries of the blood alcohol assistant's drink list as the tables describe them, found by
// the key an entry carries: a recipe's record number, or 20000 + an ingredient's number.
class DrinkLookup {
public:
    static constexpr int kIngredientTag = 20000;

    struct Drink {
        int alcohol = 0;    // percent by volume
        qint64 pieceMl = 0; // one piece ("Stück"): a glass of the recipe, or a portion of the ingredient
    };

    DrinkLookup(TApollo& recipes, TApollo& ingredients) : m_recipes(recipes), m_ingredients(ingredients) {}

    // A recipe: its `ALK`, and the sum of its cl ingredients as one piece. An ingredient: its
    // `ALKOHOL`, and its `MENGE` in cl as one piece, 20 cl when that is below 1. Empty when the
    // recipe or ingredient no longer exists.
    std::optional<Drink> drink(int tag);

    // The drink list's recipe entries: every recipe's name with its record number, in table order,
    // read with the table locked (none when the lock is refused). The table's position is kept.
    QList<ListEntry> readRecipes();

    static bool isIngredient(int tag) { return tag >= kIngredientTag; }

private:
    std::optional<Drink> recipe(int recNo);
    std::optional<Drink> ingredient(int number);

    TApollo& m_recipes;
    TApollo& m_ingredients;
};
