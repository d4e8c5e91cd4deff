#include "RecipeStrength.h"

#include <cmath>

RecipeStrength::RecipeStrength(const DataSet::Recipe& recipe,
                               const QMap<int, DataSet::Ingredient>& ingredients) {
    for (const DataSet::Line& line : recipe.lines) {
        const auto it = ingredients.constFind(line.ingredient);
        if (it == ingredients.cend())
            continue;
        double cl = 0;
        if (it->unit == 0)
            cl = line.amount;
        else if (it->unit == 4)
            cl = double(line.amount) / kDashesPerCl;
        else if (it->unit == 2)
            cl = double(line.amount) * it->pieceVolume;
        if (it->unit == 0 || it->unit == 4) {
            m_countedVolume += cl;
            m_countedPercentCl += cl * it->alcohol;
            if (it->alcohol == 0)
                ++m_countedWithoutAlcohol;
        }
        m_volume += cl;
        m_alcohol += cl * it->alcohol / 100.0;
        m_anyAlcohol = m_anyAlcohol || it->alcohol > 0;
    }
}

int RecipeStrength::storedPercent() const {
    return m_countedVolume > 0 ? int(std::nearbyint(m_countedPercentCl / m_countedVolume)) : 0;
}

int RecipeStrength::alcoholDigit() const {
    return alcoholDigit(m_alcohol, m_anyAlcohol);
}

int RecipeStrength::alcoholDigit(double pureAlcoholCl, bool anyAlcohol) {
    if (!anyAlcohol)
        return 2;
    // A small tolerance keeps sums like 5 cl at 30 % (1.5 cl) on the side the table says.
    constexpr double kEpsilon = 1e-9;
    if (pureAlcoholCl <= kLightUpToCl + kEpsilon)
        return 3;
    if (pureAlcoholCl >= kStrongFromCl - kEpsilon)
        return 4;
    return 1;
}
