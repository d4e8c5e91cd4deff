#pragma once

#include "calc/DrinkSource.h"

#include <QList>

class TApollo;
struct ListEntry;

// The drinks as the recipe and ingredient tables describe them.
class TableDrinkSource : public DrinkSource {
public:
    TableDrinkSource(TApollo& recipes, TApollo& ingredients)
        : m_recipes(recipes), m_ingredients(ingredients) {}

    // A recipe: its `ALK`, and the sum of its cl ingredients as one piece. An ingredient: its
    // `ALKOHOL`, and its `MENGE` in cl as one piece, 20 cl when that is below 1.
    std::optional<Drink> drink(int tag) override;

    // The drink list's recipe entries: every recipe's name with its record number, in table order.
    // The recipe table's position is kept.
    static QList<ListEntry> readRecipes(TApollo& recipes);

private:
    std::optional<Drink> recipe(int recNo);
    std::optional<Drink> ingredient(int number);
    qint64 clSum();

    TApollo& m_recipes;
    TApollo& m_ingredients;
};
