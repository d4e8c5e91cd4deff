#pragma once

#include "store/IngredientSlots.h"
#include "store/UnitKind.h"

#include <QHash>

#include <functional>
#include <optional>

// A recipe's alcohol content in whole percent by volume, from its cl and dash ingredients.
class AlcoholValue {
public:
    struct Ingredient {
        int unit = UnitKind::None;
        int alcohol = 0;
    };
    using Lookup = std::function<std::optional<Ingredient>(int number)>;
    using Known = QHash<int, Ingredient>;
    // A lookup in ingredients read beforehand; `known` must outlive the lookup.
    static Lookup lookupIn(const Known& known);
    // The counted volume of a recipe in cl, and the sum of cl times percent, kept as such so the
    // stored value rounds exactly as it always did.
    struct Mix {
        double volumeCl = 0;
        double percentCl = 0;
        double alcoholCl() const { return percentCl / 100.0; }
    };

    static Mix measure(const QList<IngredientSlots::Line>& lines, const Lookup& lookup, int dashesPerCl);

    // Unknown ingredients and other units add nothing; a recipe without any counted volume is 0.
    static int compute(const QList<IngredientSlots::Line>& lines, const Lookup& lookup, int dashesPerCl);
    static int roundHalfEven(double value);
};
