#include "store/AlcoholValue.h"

#include <cmath>

AlcoholValue::Lookup AlcoholValue::lookupIn(const Known& known) {
    return [&known](int number) -> std::optional<Ingredient> {
        const auto it = known.constFind(number);
        return it == known.cend() ? std::nullopt : std::optional(*it);
    };
}

int AlcoholValue::roundHalfEven(double value) {
    return int(std::nearbyint(value));
}

AlcoholValue::Mix AlcoholValue::measure(const QList<IngredientSlots::Line>& lines, const Lookup& lookup,
                                        int dashesPerCl) {
    Mix mix;
    const double divisor = dashesPerCl > 0 ? dashesPerCl : 12;
    for (const IngredientSlots::Line& line : lines.mid(0, IngredientSlots::kMaxSlots)) {
        const std::optional<Ingredient> ingredient = lookup(line.ingredient);
        if (!ingredient)
            continue;
        double cl = 0;
        if (ingredient->unit == UnitKind::Cl)
            cl = line.amount;
        else if (ingredient->unit == UnitKind::Dash)
            cl = line.amount / divisor;
        else
            continue;
        mix.volumeCl += cl;
        mix.percentCl += cl * ingredient->alcohol;
    }
    return mix;
}

int AlcoholValue::compute(const QList<IngredientSlots::Line>& lines, const Lookup& lookup, int dashesPerCl) {
    const Mix mix = measure(lines, lookup, dashesPerCl);
    return mix.volumeCl > 0 ? roundHalfEven(mix.percentCl / mix.volumeCl) : 0;
}
