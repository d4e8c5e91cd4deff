#include "assistants/PurchasePlanner.h"

#include <algorithm>
#include <climits>

namespace {

constexpr std::uint32_t kPairShift = 11; // 2^11 > 1500

std::uint32_t pairKey(int a, int b) {
    return std::uint32_t(std::min(a, b)) << kPairShift | std::uint32_t(std::max(a, b));
}

// The largest count above 0, the lowest index on a tie; 0 when every count is 0.
template <typename Counts> int lowestBest(const Counts& counts) {
    int best = 0;
    for (int n = 1; n < int(counts.size()); ++n) {
        if (counts[size_t(n)] > counts[size_t(best)])
            best = n;
    }
    return best;
}

void sortUnique(std::vector<std::uint32_t>& keys) {
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
}

} // namespace

PurchasePlanner::PurchasePlanner(const PurchasePlan& recipes, const IngredientSet& atHand,
                                 const PurchaseReach& reach, const std::vector<int>& prices)
    : m_recipes(recipes), m_reach(reach), m_prices(prices), m_have(atHand) {
    for (int i = 0; i < recipes.recipeCount(); ++i) {
        if (!missing(i).empty())
            m_open.push_back(i);
    }
}

const std::vector<int>& PurchasePlanner::missing(int i) {
    m_missing.clear();
    const auto& numbers = m_recipes.m_numbers;
    for (int k = m_recipes.m_starts[size_t(i)]; k < m_recipes.m_starts[size_t(i) + 1]; ++k) {
        if (!m_have.test(size_t(numbers[size_t(k)])))
            m_missing.push_back(numbers[size_t(k)]);
    }
    return m_missing;
}

void PurchasePlanner::tally() {
    m_singles.fill(0);
    m_fewest = INT_MAX;
    for (int i : m_open) {
        const std::vector<int>& lacking = missing(i);
        m_fewest = std::min(m_fewest, int(lacking.size()));
        if (int(lacking.size()) <= m_reach.widest())
            for (int number : m_reach.completing(lacking))
                ++m_singles[size_t(number)];
    }
}

std::optional<PurchasePlan::Step> PurchasePlanner::next(int budget) {
    if (m_open.empty() || budget < 1)
        return std::nullopt;
    tally();
    if (std::optional<Step> step = single())
        return step;
    if (budget >= 2) {
        if (std::optional<Step> step = pair())
            return step;
    }
    return closer();
}

std::optional<PurchasePlan::Step> PurchasePlanner::single() {
    int best = lowestBest(m_singles);
    if (best != 0 && !m_prices.empty()) {
        // The most drinks per euro: a/pa > b/pb as a·pb > b·pa; the lower number on a tie.
        int cheapest = 0;
        for (int n = 1; n < int(m_singles.size()) && n < int(m_prices.size()); ++n) {
            const qint64 price = m_prices[size_t(n)];
            if (m_singles[size_t(n)] == 0 || price <= 0)
                continue;
            if (cheapest == 0 || qint64(m_singles[size_t(n)]) * m_prices[size_t(cheapest)] >
                                     qint64(m_singles[size_t(cheapest)]) * price)
                cheapest = n;
        }
        if (cheapest != 0)
            best = cheapest;
    }
    if (best == 0)
        return std::nullopt;
    Step step;
    step.kind = Step::Single;
    step.numbers = {best};
    step.drinks = buy(step.numbers);
    return step;
}

// Runs only when no single purchase completes a drink. A pair completes one when its first purchase
// puts the drink's first missing ingredient at hand and its second alone completes the rest.
std::optional<PurchasePlan::Step> PurchasePlanner::pair() {
    std::vector<std::uint32_t> keys; // one key per drink and pair that completes it
    std::vector<std::uint32_t> drinkKeys;
    std::vector<int> rest;
    for (int i : m_open) {
        const std::vector<int>& lacking = missing(i);
        if (int(lacking.size()) > 2 * m_reach.widest())
            continue;
        drinkKeys.clear();
        std::vector<int> firsts = m_reach.standIns(lacking.front());
        firsts.push_back(lacking.front());
        for (int a : firsts) {
            rest.clear();
            std::copy_if(lacking.begin(), lacking.end(), std::back_inserter(rest),
                         [&](int m) { return !m_reach.covers(a, m); });
            for (int b : m_reach.completing(rest))
                drinkKeys.push_back(pairKey(a, b));
        }
        sortUnique(drinkKeys);
        keys.insert(keys.end(), drinkKeys.begin(), drinkKeys.end());
    }
    if (keys.empty())
        return std::nullopt;
    // Sorted, equal keys form runs; the first longest run is the lowest pair among the best.
    std::sort(keys.begin(), keys.end());
    std::uint32_t bestKey = 0;
    size_t bestRun = 0;
    for (size_t start = 0, end = 0; start < keys.size(); start = end) {
        end = start;
        while (end < keys.size() && keys[end] == keys[start])
            ++end;
        if (end - start > bestRun) {
            bestRun = end - start;
            bestKey = keys[start];
        }
    }
    Step step;
    step.kind = Step::Pair;
    step.numbers = {int(bestKey >> kPairShift), int(bestKey & ((1U << kPairShift) - 1))};
    step.drinks = buy(step.numbers);
    return step;
}

// Runs only when no single purchase completes a drink, so the one chosen leaves every drink it helps
// still missing something.
PurchasePlan::Step PurchasePlanner::closer() {
    Counts counts{};
    std::vector<int> helping;
    for (int i : m_open) {
        const std::vector<int>& lacking = missing(i);
        if (int(lacking.size()) != m_fewest)
            continue;
        helping = lacking;
        for (int m : lacking)
            helping.insert(helping.end(), m_reach.standIns(m).begin(), m_reach.standIns(m).end());
        std::sort(helping.begin(), helping.end());
        helping.erase(std::unique(helping.begin(), helping.end()), helping.end());
        for (int number : helping)
            ++counts[size_t(number)];
    }
    const int best = lowestBest(counts);
    Step step;
    step.kind = Step::Closer;
    step.numbers = {best};
    for (int i : m_open) {
        const std::vector<int>& lacking = missing(i);
        if (int(lacking.size()) != m_fewest)
            continue;
        const auto left =
            std::count_if(lacking.begin(), lacking.end(), [&](int m) { return !m_reach.covers(best, m); });
        if (left < m_fewest) {
            step.closer.append(m_recipes.m_recNos[size_t(i)]);
            step.stillMissing = std::max(step.stillMissing, int(left));
        }
    }
    buy(step.numbers);
    return step;
}

QList<int> PurchasePlanner::buy(const std::vector<int>& numbers) {
    for (int number : numbers)
        m_reach.buy(m_have, number);
    QList<int> done;
    std::erase_if(m_open, [&](int i) {
        if (!missing(i).empty())
            return false;
        done.append(m_recipes.m_recNos[size_t(i)]);
        return true;
    });
    return done;
}
