#pragma once

#include "common/BarSettings.h"
#include "common/HomeBarTable.h"
#include "common/Substitutes.h"

// What counts as at hand for a home bar: the bar's ingredients, plus the basics when "Immer im Haus" is
// on, plus every ingredient one of whose substitutes is in the bar or a basic when "Ersatzzutaten
// zulassen" is on. With both switches off it is exactly the bar. Every mixable test takes its set here.
class BarCoverage {
public:
    BarCoverage(const HomeBarTable& bars, const Substitutes& substitutes, const BarSettings& settings)
        : m_bars(bars), m_substitutes(substitutes), m_settings(settings) {}

    IngredientSet present(int bar) const;
    HomeBarTable::Test test(int bar, int purchases) const { return {present(bar), purchases}; }

private:
    const HomeBarTable& m_bars;
    const Substitutes& m_substitutes;
    const BarSettings& m_settings;
};
