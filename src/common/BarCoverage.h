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

    IngredientSet present(int bar) const { return present(bar, {}); }
    // The same once the ingredients `bought` are at hand as well.
    IngredientSet present(int bar, const IngredientSet& bought) const;
    HomeBarTable::Test test(int bar, int purchases) const { return {present(bar), purchases}; }

    // What buying one ingredient adds to any bar's set: the ingredient and, when substitutes count,
    // what it stands in for. Substitutes reach one level only, so present(bar, bought) is present(bar)
    // plus purchase(n) for each n bought, whatever else is at hand.
    IngredientSet purchase(int number) const;
    // The ingredient standing in for `wanted` in the bar: 0 unless substitutes count and `wanted` is
    // at hand only through one ("Zitronensaft statt Limettensaft").
    int standIn(int bar, int wanted) const;

private:
    const HomeBarTable& m_bars;
    const Substitutes& m_substitutes;
    const BarSettings& m_settings;
};
