#pragma once

#include "common/IngredientSet.h"

#include <vector>

class BarCoverage;

// What each purchase puts at hand beyond itself (the ingredients it stands in for), read once from
// the bar coverage, so that the shopping tips and the purchase plan count the drinks a purchase
// completes by the same rule as the mixable test while they look at thousands of drinks.
class PurchaseReach {
public:
    static constexpr int kMaxNumber = 1500;

    // A purchase brings only itself.
    PurchaseReach() = default;
    explicit PurchaseReach(const BarCoverage& coverage);

    // Whether buying `bought` puts `wanted` at hand.
    bool covers(int bought, int wanted) const;
    // Adds what buying `number` puts at hand.
    void buy(IngredientSet& have, int number) const;
    // The purchases other than `wanted` itself that put it at hand, ascending.
    const std::vector<int>& standIns(int wanted) const;
    // Every single purchase that puts all of `missing` at hand, ascending; none when `missing` is
    // empty or names an ingredient outside 1..1500.
    std::vector<int> completing(const std::vector<int>& missing) const;
    // The most ingredients one purchase puts at hand: a drink missing more needs several.
    int widest() const { return m_widest; }

private:
    std::vector<std::vector<int>> m_extra;    // per purchase: what it stands in for, ascending
    std::vector<std::vector<int>> m_standIns; // per ingredient: what stands in for it, ascending
    int m_widest = 1;
};
