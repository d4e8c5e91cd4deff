#include "assistants/PurchasePlanner.h"

#include <algorithm>
#include <climits>

namespace {

constexpr std::uint32_t kPairShift = 11; // 2^11 > 1500

std::uint32_t pairKey(int lower, int higher) {
    return std::uint32_t(lower) << kPairShift | std::uint32_t(higher);
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

} // namespace

PurchasePlanner::PurchasePlanner(const PurchasePlan& recipes, const IngredientSet& atHand)
    : m_recipes(recipes), m_have(atHand) {
    std::array<int, 2> first{};
    for (int i = 0; i < recipes.recipeCount(); ++i) {
        if (missing(i, first) > 0)
            m_open.push_back(i);
    }
}

int PurchasePlanner::missing(int i, std::array<int, 2>& first) const {
    int count = 0;
    const auto& numbers = m_recipes.m_numbers;
    for (int k = m_recipes.m_starts[size_t(i)]; k < m_recipes.m_starts[size_t(i) + 1]; ++k) {
        const int number = numbers[size_t(k)];
        if (m_have.test(size_t(number)))
            continue;
        if (count < 2)
            first[size_t(count)] = number;
        ++count;
    }
    return count;
}

void PurchasePlanner::tally() {
    m_singles.fill(0);
    m_pairs.clear();
    m_fewest = INT_MAX;
    std::array<int, 2> first{};
    for (int i : m_open) {
        const int count = missing(i, first);
        m_fewest = std::min(m_fewest, count);
        if (count == 1)
            ++m_singles[size_t(first[0])];
        else if (count == 2)
            m_pairs.push_back(pairKey(first[0], first[1])); // numbers are stored ascending
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
    const int best = lowestBest(m_singles);
    if (best == 0)
        return std::nullopt;
    Step step;
    step.kind = Step::Single;
    step.numbers = {best};
    step.drinks = buy(step.numbers);
    return step;
}

std::optional<PurchasePlan::Step> PurchasePlanner::pair() {
    if (m_pairs.empty())
        return std::nullopt;
    // Sorted, equal keys form runs; the first longest run is the lowest pair among the best.
    std::sort(m_pairs.begin(), m_pairs.end());
    std::uint32_t bestKey = 0;
    size_t bestRun = 0;
    for (size_t start = 0, end = 0; start < m_pairs.size(); start = end) {
        end = start;
        while (end < m_pairs.size() && m_pairs[end] == m_pairs[start])
            ++end;
        if (end - start > bestRun) {
            bestRun = end - start;
            bestKey = m_pairs[start];
        }
    }
    Step step;
    step.kind = Step::Pair;
    step.numbers = {int(bestKey >> kPairShift), int(bestKey & ((1U << kPairShift) - 1))};
    step.drinks = buy(step.numbers);
    return step;
}

PurchasePlan::Step PurchasePlanner::closer() {
    std::array<int, PurchasePlan::kMaxNumber + 1> counts{};
    const auto& numbers = m_recipes.m_numbers;
    const auto& starts = m_recipes.m_starts;
    std::array<int, 2> first{};
    for (int i : m_open) {
        if (missing(i, first) != m_fewest)
            continue;
        for (int k = starts[size_t(i)]; k < starts[size_t(i) + 1]; ++k) {
            if (!m_have.test(size_t(numbers[size_t(k)])))
                ++counts[size_t(numbers[size_t(k)])];
        }
    }
    const int best = lowestBest(counts);
    Step step;
    step.kind = Step::Closer;
    step.numbers = {best};
    step.stillMissing = m_fewest - 1;
    for (int i : m_open) {
        const auto begin = numbers.begin() + starts[size_t(i)];
        const auto end = numbers.begin() + starts[size_t(i) + 1];
        if (missing(i, first) == m_fewest && std::find(begin, end, short(best)) != end)
            step.closer.append(m_recipes.m_recNos[size_t(i)]);
    }
    buy(step.numbers);
    return step;
}

QList<int> PurchasePlanner::buy(const std::vector<int>& numbers) {
    for (int number : numbers)
        m_have.set(size_t(number));
    QList<int> done;
    std::array<int, 2> first{};
    std::erase_if(m_open, [&](int i) {
        if (missing(i, first) > 0)
            return false;
        done.append(m_recipes.m_recNos[size_t(i)]);
        return true;
    });
    return done;
}
