#include "store/AlcoholValue.h"

#include <cmath>

int AlcoholValue::roundHalfEven(double value) {
    return int(std::nearbyint(value));
}

int AlcoholValue::compute(const QList<IngredientSlots::Line>& lines, const Lookup& lookup, int dashesPerCl) {
    double volume = 0;
    double alcohol = 0;
    const double divisor = dashesPerCl > 0 ? dashesPerCl : 12;
    for (const IngredientSlots::Line& line : lines.mid(0, IngredientSlots::kMaxSlots)) {
        const std::optional<Ingredient> ingredient = lookup(line.ingredient);
        if (!ingredient)
            continue;
        double cl = 0;
        if (ingredient->unit == Cl)
            cl = line.amount;
        else if (ingredient->unit == Dash)
            cl = line.amount / divisor;
        else
            continue;
        volume += cl;
        alcohol += cl * ingredient->alcohol;
    }
    return volume > 0 ? roundHalfEven(alcohol / volume) : 0;
}
