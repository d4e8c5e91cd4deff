#pragma once

#include "assistants/PurchasePlan.h"
#include "assistants/PurchaseReach.h"

#include <array>
#include <cstdint>
#include <optional>

// One plan being worked out: what is at hand so far, the drinks not yet mixable, and the counts from
// which each step picks its purchase. A purchase puts at hand what `reach` says: with substitutes, also
// what it stands in for.
class PurchasePlanner {
public:
    PurchasePlanner(const PurchasePlan& recipes, const IngredientSet& atHand, const PurchaseReach& reach,
                    const std::vector<int>& prices = {});

    // The next step with at most `budget` purchases; nothing once every drink that can become
    // mixable is.
    std::optional<PurchasePlan::Step> next(int budget);

private:
    using Step = PurchasePlan::Step;
    using Counts = std::array<int, PurchasePlan::kMaxNumber + 1>;

    // The ingredients of recipe i that are not at hand, ascending.
    const std::vector<int>& missing(int i);
    void tally();
    std::optional<Step> single();
    std::optional<Step> pair();
    Step closer();
    // Puts the numbers at hand and takes the drinks now complete out of the open ones.
    QList<int> buy(const std::vector<int>& numbers);

    const PurchasePlan& m_recipes;
    const PurchaseReach& m_reach;
    const std::vector<int>& m_prices; // empty: by new drinks; else by new drinks per euro
    IngredientSet m_have;
    std::vector<int> m_open; // recipe indices, in table order
    std::vector<int> m_missing;
    // Per ingredient: the open drinks its purchase alone would complete.
    Counts m_singles{};
    int m_fewest = 0; // the fewest ingredients any open drink misses
};
