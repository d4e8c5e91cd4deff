#pragma once

#include <QtGlobal>

#include <optional>

// What the blood alcohol assistant needs to know about an entry of its drink list, found by the
// key the entry carries: a recipe's record number, or 20000 + an ingredient's number.
class DrinkSource {
public:
    static constexpr int kIngredientTag = 20000;

    struct Drink {
        int alcohol = 0;    // percent by volume
        qint64 pieceMl = 0; // one piece ("Stück"): a glass of the recipe, or a portion of the ingredient
    };

    virtual ~DrinkSource() = default;
    // Empty when the recipe or ingredient no longer exists.
    virtual std::optional<Drink> drink(int tag) = 0;

    static bool isIngredient(int tag) { return tag >= kIngredientTag; }
};
