#pragma once

#include <QString>

// Ice among the ingredients, known by its name: recipes list it without an amount, so whatever depends
// on ice (the melt water in the glass, the kilograms a party needs) recognises it here.
class IceNames {
public:
    // "Eiswürfel", "Crushed Ice" or "Eis", in any letter case; not "Vanilleeis" nor "Eistee".
    static bool isIce(const QString& ingredientName);
    // Sparkling ingredients, which lose their bubbles in a bottle made ahead: soda and mineral water,
    // tonic, ginger ale and beer, cola, lemonades, sparkling wines, beer and cider.
    static bool isSparkling(const QString& ingredientName);
};
