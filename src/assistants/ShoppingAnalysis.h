#pragma once

#include "common/IngredientSet.h"

#include <QString>

#include <array>
#include <functional>

class TApollo;

// Which ingredients, bought for one home bar (its coverage: the set of ingredients at hand), would complete
// the most further drinks: a counter per ingredient number of the drinks that this ingredient alone is
// missing for, and the three largest counters.
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

    explicit ShoppingAnalysis(const IngredientSet& present) : m_present(present) {}

    void reset();
    // One recipe's ingredient field `Z`: when exactly one of its ingredients is missing from the bar,
    // that ingredient's counter goes up. An ingredient number beyond the counters is missing like any
    // other but has no counter to raise.
    void examine(const QString& z);

    // The largest counters above 0, largest first; on equal counts the lower ingredient number first.
    Tips rank() const;
    // Too few ingredients in the bar when the first or the second rank found nothing.
    static bool tooFew(const Tips& tips) { return tips[0].count == 0 || tips[1].count == 0; }

    // The whole pass over the recipe table in table order, with fast reading on; `step` is called once
    // per recipe examined.
    Tips run(TApollo& recipes, const std::function<void()>& step = {});

private:
    // The only ingredient of `z` missing from the bar; 0 when none is missing or more than one.
    int soleMissing(const QString& z) const;

    IngredientSet m_present;
    std::array<int, kMaxNumber + 1> m_counters{};
};
