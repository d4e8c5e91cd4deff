#pragma once

#include "exchange/ExchangeRecipe.h"

#include <optional>

// One ingredient line as recipe files carry it: "4 cl Weißer Rum" (amount, unit, name) or the
// name alone for an ingredient measured without amount ("Eiswürfel").
class IngredientText {
public:
    static constexpr int kMaxAmount = 9999; // what the amount slot holds

    static QString format(const ExchangeRecipe::Line& line);
    // Nothing when the text is empty, or begins with a digit but is not "amount unit name" with
    // a whole amount up to 9999 and one of the units cl, g, St, dash (letter case ignored).
    static std::optional<ExchangeRecipe::Line> parse(const QString& text);
    // The unit kind of a unit text, letter case ignored; nothing for an unknown unit.
    static std::optional<int> unitKind(const QString& unit);
};
