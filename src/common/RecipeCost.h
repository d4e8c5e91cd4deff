#pragma once

#include "store/IngredientSlots.h"

#include <QString>
#include <QStringList>

#include <vector>

class TApollo;
struct RecipeRecord;

// What one glass of a drink costs, from the prices of its ingredients (`PREIS` for a bottle or pack,
// `VOL` its content in the ingredient's unit; dashes count in cl). Ingredients named without an amount
// and ice cost nothing; a measured ingredient without a price is named as missing. Nothing is stored.
class RecipeCost {
public:
    struct Cost {
        double cents = 0;
        int priced = 0;      // ingredients with a price that added to the sum
        QStringList missing; // measured ingredients without a price, each once
    };

    static Cost of(const RecipeRecord& recipe, int dashesPerCl);

    // For passes over every drink: what each ingredient costs, read once from the ingredient table,
    // so that a recipe's packed lines are priced without reading its ingredients again.
    static constexpr int kMaxNumber = 1500;
    struct Priced {
        bool known = false; // in the table
        int unit = 3;       // UnitKind
        bool ice = false;
        int priceCents = 0;
        int packSize = 0;
        QString name;
    };
    // By ingredient number 0..1500 (the numbers an ingredient can have); `known` false for a gap.
    using PriceTable = std::vector<Priced>;
    static PriceTable readPrices(TApollo& ingredients);
    // The same as `of` for the recipe the table stands on.
    static Cost ofPacked(const QList<IngredientSlots::Line>& lines, const PriceTable& prices,
                         int dashesPerCl);
    // One ingredient line's share: `amount` in the ingredient's unit (dashes for dash), or -1 when it
    // has no price.
    static double lineCents(int amount, int unit, int priceCents, int packSize, int dashesPerCl);
    // "Kosten: ca. 1,85 €", or "Kosten: ab 1,85 € (ohne Preis: Minze, Soda)" when prices are missing
    // (three names at most, then "…");
    // empty when no ingredient of the drink has a price (the line is then left out).
    static QString text(const Cost& cost);
    // "1,85 €".
    static QString euros(double cents);
};
