#pragma once

#include "assistants/PurchaseReach.h"
#include "common/IngredientSet.h"

#include <QList>
#include <QString>

#include <functional>
#include <vector>

class TApollo;

// A plan of purchases, one after another, that makes the most further drinks mixable from what is at
// hand. The recipes' ingredient lists are read once into a compact form; plans for any set at hand are
// then worked out from memory.
//
// A drink becomes mixable when nothing of it is missing any more (the mixable test without purchases).
// A purchase puts at hand what the bar coverage says: with substitutes, also what it stands in for.
// Each step buys the single ingredient that completes the most drinks. When no single purchase completes
// one, the step buys the pair that together completes the most (two purchases). When not even a pair
// completes one, or only one purchase is left, the step buys the ingredient that puts something at hand
// for the most of the drinks that miss the fewest ingredients, so that those then miss fewer ("closer").
// Ties go to the lower ingredient number; between pairs to the lower first, then the lower second number.
// Ingredient numbers outside 1..1500 can never be at hand nor bought: a drink with one never becomes
// mixable and never counts.
class PurchasePlan {
public:
    static constexpr int kMaxPurchases = 10;
    static constexpr int kMaxNumber = 1500;

    struct Step {
        enum Kind { Single, Pair, Closer };
        Kind kind = Single;
        std::vector<int> numbers; // what to buy: one ingredient, two for a pair
        QList<int> drinks;        // record numbers of the drinks now mixable, in table order
        QList<int> closer;        // Closer: record numbers of the drinks brought closer
        int stillMissing = 0;     // Closer: the most ingredients one of those drinks then still misses
        int purchases() const { return int(numbers.size()); }
        int newDrinks() const { return int(drinks.size()); }
    };
    using Steps = std::vector<Step>;

    static int clampPurchases(int purchases);

    void clear();
    // One recipe: its record number and its ingredient numbers in slot order.
    void add(int recNo, const QList<int>& numbers);
    // Every visible recipe in table order, with fast reading on; `step` runs once per recipe read.
    void read(TApollo& recipes, const std::function<void()>& step = {});
    // The recipes that could become mixable at all (every ingredient number within 1..1500).
    int recipeCount() const { return int(m_recNos.size()); }

    // Up to `purchases` (1..10) purchases for the ingredients at hand; fewer when nothing more helps.
    // With `prices` (cents of a bottle or pack by ingredient number, 0 for none) a single purchase is
    // chosen by new drinks per euro among the priced ones (by new drinks when none is priced); pairs
    // and the steps that bring drinks closer are chosen as without.
    Steps plan(const IngredientSet& atHand, int purchases, const PurchaseReach& reach = {},
               const std::vector<int>& prices = {}) const;

private:
    friend class PurchasePlanner;

    std::vector<int> m_recNos;
    std::vector<int> m_starts{0}; // recipe i's numbers are m_numbers[m_starts[i] .. m_starts[i + 1])
    std::vector<short> m_numbers;
};
