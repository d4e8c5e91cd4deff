#pragma once

#include "DataSet.h"

// What one glass of a recipe holds: its volume and its pure alcohol, both in cl. Pieces count
// with their volume per piece (a bottle of beer, a glass of sparkling wine); grams and
// ingredients without an amount add nothing.
class RecipeStrength {
public:
    static constexpr int kDashesPerCl = 12;
    // Up to this much pure alcohol a drink is "wenig" (about 12 g) ...
    static constexpr double kLightUpToCl = 1.5;
    // ... and from this much on it is "viel" (about 19 g); in between it is the middle.
    static constexpr double kStrongFromCl = 2.4;

    RecipeStrength(const DataSet::Recipe& recipe, const QMap<int, DataSet::Ingredient>& ingredients);

    double volumeCl() const { return m_volume; }
    double pureAlcoholCl() const { return m_alcohol; }
    // The percentage the program stores and shows (ALK): only cl and dash count, rounded half to
    // even like the program does it.
    int storedPercent() const;
    // Whether every ingredient that counts for the stored percentage carries alcohol.
    bool onlySpiritsCounted() const { return m_countedVolume > 0 && m_countedWithoutAlcohol == 0; }
    // The cocktail assistant's alcohol answer the drink belongs to: 2 alcohol-free, 3 little,
    // 1 the middle ("spielt keine Rolle"), 4 much.
    int alcoholDigit() const;
    static int alcoholDigit(double pureAlcoholCl, bool anyAlcohol);

private:
    double m_volume = 0;
    double m_alcohol = 0;
    bool m_anyAlcohol = false;
    double m_countedVolume = 0;
    double m_countedPercentCl = 0;
    int m_countedWithoutAlcohol = 0;
};
