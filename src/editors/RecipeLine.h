#pragma once

#include <QString>

// One line of the recipe editor's recipe list: the ingredient by number, its amount in the
// ingredient's unit and the text shown ("4 cl  Rum", "Minzzweig").
struct RecipeLine {
    int ingredient = 0;
    int amount = 0;
    QString text;

    // The shown text: the name alone for an ingredient without amount; otherwise the amount and a
    // blank (nothing for amount 0), the unit text, two blanks and the name.
    static RecipeLine make(int ingredient, int amount, int kind, const QString& name);

    friend bool operator==(const RecipeLine&, const RecipeLine&) = default;
};
