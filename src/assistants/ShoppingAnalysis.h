#pragma once

#include "assistants/PurchaseReach.h"
#include "common/IngredientSet.h"

#include <QString>

#include <array>
#include <functional>
#include <utility>

class TApollo;

// Which ingredients, bought for one home bar (its coverage: the set of ingredients at hand), would complete
// the most further drinks: a counter per ingredient number of the drinks that buying this ingredient
// alone completes, and the three largest counters. Without substitutes that is the drinks it alone is
// missing for; with them a purchase also completes the drinks missing what it stands in for.
class ShoppingAnalysis {
public:
    static constexpr int kMaxNumber = 1500;
    static constexpr int kRanks = 3;

    struct Tip {
        int count = 0;
        int number = 0; // 0: this rank found nothing
        friend bool operator==(const Tip&, const Tip&) = default;
    };
    using Tips = std::array<Tip, kRanks>;

    explicit ShoppingAnalysis(const IngredientSet& present, PurchaseReach reach = {})
        : m_present(present), m_reach(std::move(reach)) {}

    void reset();
    // One recipe's ingredient numbers: the counter of every ingredient whose purchase alone puts all
    // its missing ingredients at hand goes up (without substitutes: of the only one missing). An
    // ingredient number beyond the counters is missing like any other and no purchase brings it.
    void examine(const QList<int>& numbers);

    // The largest counters above 0, largest first; on equal counts the lower ingredient number first.
    Tips rank() const;
    // Too few ingredients in the bar when the first or the second rank found nothing.
    static bool tooFew(const Tips& tips) { return tips[0].count == 0 || tips[1].count == 0; }

    // The whole pass over the recipe table in table order, with fast reading on; `step` is called once
    // per recipe examined.
    Tips run(TApollo& recipes, const std::function<void()>& step = {});

private:
    IngredientSet m_present;
    PurchaseReach m_reach;
    std::array<int, kMaxNumber + 1> m_counters{};
};
