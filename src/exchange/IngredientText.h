#pragma once

#include "exchange/ExchangeRecipe.h"

#include <optional>

// One ingredient line as recipe files carry it. Ours is "4 cl Weißer Rum" (amount, unit, name) or
// the name alone for an ingredient measured without amount ("Eiswürfel"); recipe sites and other
// programs write "2 oz gin", "1 1/2 oz. rye whiskey", "½ oz simple syrup", "1,5 cl Zuckersirup",
// "2 Spritzer Angostura", "1 Limette", "1–2 dashes bitters", "Gin (4 cl)" or "Limettensaft 2 cl".
class IngredientText {
public:
    static constexpr int kMaxAmount = 9999; // what the amount slot holds

    static QString format(const ExchangeRecipe::Line& line);
    // Nothing for an empty text. An amount comes first (a whole number, a decimal with point or
    // comma, a fraction, a mixed number, a range whose middle is taken, or an article: "a dash",
    // "eine Limette"), in brackets after the name or at the end with its unit; a number without a
    // unit counts pieces. A text that begins with an amount that cannot be read keeps its name
    // and the text in `unread`.
    static std::optional<ExchangeRecipe::Line> parse(const QString& text);
    // The unit kind of one of our unit texts (cl, g, St, dash), letter case ignored.
    static std::optional<int> unitKind(const QString& unit);
};
