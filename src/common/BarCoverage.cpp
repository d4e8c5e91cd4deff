#include "common/BarCoverage.h"

IngredientSet BarCoverage::present(int bar) const {
    IngredientSet at = m_bars.present(bar);
    if (m_settings.alwaysAtHome)
        at |= m_settings.basicSet();
    return m_settings.allowSubstitutes ? m_substitutes.cover(at) : at;
}
