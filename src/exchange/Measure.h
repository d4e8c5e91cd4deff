#pragma once

#include "store/UnitKind.h"

#include <QString>

#include <optional>

// The units recipe files measure in, bar and kitchen alike, and their conversion into the unit an
// ingredient is stored in. The store keeps whole amounts, so every conversion ends in a rounding.
class Measure {
public:
    enum Unit {
        None, // no amount given ("Eiswürfel", "Soda zum Auffüllen")
        Cl,
        Ml,
        Liter,
        Oz,
        Splash, // "splash", "Schuss"
        Dash,   // also "Spritzer"
        Drop,
        Barspoon,
        Teaspoon,
        Tablespoon,
        Pinch,
        Gram,
        Kg,
        Piece, // also an amount without unit ("2 Limetten")
    };

    // A US fluid ounce.
    static constexpr double kClPerOz = 2.957;
    static constexpr double kClPerSplash = 1.0;
    static constexpr double kClPerDrop = 0.005;
    static constexpr double kClPerBarspoon = 0.5;
    static constexpr double kClPerTeaspoon = 0.5;
    static constexpr double kClPerTablespoon = 1.5;
    static constexpr double kGramPerPinch = 0.5;
    // A volume weighs as much as water: 1 cl is 10 g.
    static constexpr double kGramPerCl = 10.0;

    // The unit a word names, letter case, accents and a closing full stop ignored ("oz.", "TL",
    // "Barlöffel", "dashes"); nothing for any other word.
    static std::optional<Unit> fromWord(const QString& word);
    // The word our files write for the unit: "cl", "oz", "dash", "St", …; empty for None.
    static QString word(Unit unit);
    static Unit fromKind(int kind);
    // The unit kind a new ingredient gets when its first line measures in `unit`.
    static int suggestedKind(Unit unit);

    // `amount` of `unit` in the unit kind `kind`, rounded to whole units with halves up; an amount
    // above 0 is at least 1 (a few drops of a bitter measured in dashes are one dash). Nothing
    // when the units do not convert (pieces into a volume or back). An ingredient without unit
    // and a line without amount give 0. `perPiece`: how much of the ingredient one piece of the
    // line is (a lime wedge is a quarter lime).
    static std::optional<int> convert(double amount, Unit unit, int kind, int dashesPerCl,
                                      double perPiece = 1.0);
    static int roundWhole(double value);
};
