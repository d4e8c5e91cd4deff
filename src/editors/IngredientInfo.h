#pragma once

#include <QString>

#include <optional>

class TApollo;

// What the editors need of one ingredient record.
struct IngredientInfo {
    int number = 0;
    QString name;
    int kind = 3;
    int alcohol = 0;

    // Seeks the ingredient by number; nothing when the table has no such (visible) ingredient.
    static std::optional<IngredientInfo> find(TApollo& ingredients, int number);
    // The record the ingredient table stands on.
    static IngredientInfo current(const TApollo& ingredients);
};
