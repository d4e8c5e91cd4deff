#pragma once

#include "assistants/PurchasePlan.h"

#include <array>
#include <cstdint>
#include <optional>

// One plan being worked out: what is at hand so far, the drinks not yet mixable, and the counts from
// which each step picks its purchase.
class PurchasePlanner {
public:
    PurchasePlanner(const PurchasePlan& recipes, const IngredientSet& atHand);

    // The next step with at most `budget` purchases; nothing once every drink that can become
    // mixable is.
    std::optional<PurchasePlan::Step> next(int budget);

private:
    using Step = PurchasePlan::Step;

    // How many ingredients of recipe i are not at hand; the first two of them in `first`.
    int missing(int i, std::array<int, 2>& first) const;
    void tally();
    std::optional<Step> single();
    std::optional<Step> pair();
    Step closer();
    // Puts the numbers at hand and takes the drinks now complete out of the open ones.
    QList<int> buy(const std::vector<int>& numbers);

    const PurchasePlan& m_recipes;
    IngredientSet m_have;
    std::vector<int> m_open; // recipe indices, in table order
    // Per ingredient: the open drinks it alone would complete.
    std::array<int, PurchasePlan::kMaxNumber + 1> m_singles{};
    // The open drinks missing exactly two ingredients, as one key per drink (lower number first).
    std::vector<std::uint32_t> m_pairs;
    int m_fewest = 0; // the fewest ingredients any open drink misses
};
