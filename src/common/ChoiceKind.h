#pragma once

#include <QString>

// The kinds of lists the catalogue keeps for every window (`Catalogue::changed`).
struct ChoiceKind {
    enum Kind { Categories = 1, Tastes = 2, Ingredients = 3, Decorations = 4, Recipes = 5 };
    // The blood alcohol assistant's ingredient entries carry their number plus this, and the suffix.
    static constexpr int kBloodAlcoholTag = 20000;
    static QString bloodAlcoholSuffix() { return QStringLiteral("***"); }
};
