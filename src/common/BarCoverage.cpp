#include "common/BarCoverage.h"

IngredientSet BarCoverage::present(int bar, const IngredientSet& bought) const {
    IngredientSet at = m_bars.present(bar) | bought;
    if (m_settings.alwaysAtHome)
        at |= m_settings.basicSet();
    return m_settings.allowSubstitutes ? m_substitutes.cover(at) : at;
}

int BarCoverage::standIn(int bar, int wanted) const {
    if (!m_settings.allowSubstitutes || wanted < 0 || wanted >= int(IngredientSet().size()))
        return 0;
    IngredientSet at = m_bars.present(bar);
    if (m_settings.alwaysAtHome)
        at |= m_settings.basicSet();
    return at.test(size_t(wanted)) ? 0 : m_substitutes.standInFrom(wanted, at);
}

IngredientSet BarCoverage::purchase(int number) const {
    IngredientSet one;
    if (number >= 0 && number < int(one.size()))
        one.set(size_t(number));
    return m_settings.allowSubstitutes ? m_substitutes.cover(one) : one;
}
