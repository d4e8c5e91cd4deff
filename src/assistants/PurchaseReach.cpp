#include "assistants/PurchaseReach.h"

#include "common/BarCoverage.h"

#include <algorithm>

namespace {

bool valid(int number) {
    return number >= 1 && number <= PurchaseReach::kMaxNumber;
}

} // namespace

PurchaseReach::PurchaseReach(const BarCoverage& coverage) {
    for (int bought = 1; bought <= kMaxNumber; ++bought) {
        IngredientSet brings = coverage.purchase(bought);
        brings.reset(size_t(bought));
        if (brings.none())
            continue;
        if (m_extra.empty()) {
            m_extra.resize(kMaxNumber + 1);
            m_standIns.resize(kMaxNumber + 1);
        }
        for (int wanted = 1; wanted <= kMaxNumber; ++wanted) {
            if (brings.test(size_t(wanted))) {
                m_extra[size_t(bought)].push_back(wanted);
                m_standIns[size_t(wanted)].push_back(bought); // `bought` ascends: the list stays sorted
            }
        }
        m_widest = std::max(m_widest, 1 + int(m_extra[size_t(bought)].size()));
    }
}

bool PurchaseReach::covers(int bought, int wanted) const {
    if (bought == wanted)
        return valid(bought);
    if (m_extra.empty() || !valid(bought))
        return false;
    const std::vector<int>& extra = m_extra[size_t(bought)];
    return std::binary_search(extra.begin(), extra.end(), wanted);
}

void PurchaseReach::buy(IngredientSet& have, int number) const {
    if (!valid(number))
        return;
    have.set(size_t(number));
    if (!m_extra.empty())
        for (int wanted : m_extra[size_t(number)])
            have.set(size_t(wanted));
}

const std::vector<int>& PurchaseReach::standIns(int wanted) const {
    static const std::vector<int> none;
    return m_standIns.empty() || !valid(wanted) ? none : m_standIns[size_t(wanted)];
}

std::vector<int> PurchaseReach::completing(const std::vector<int>& missing) const {
    std::vector<int> out;
    if (missing.empty() || !std::all_of(missing.begin(), missing.end(), valid))
        return out;
    // Whatever completes the drink puts its first missing ingredient at hand.
    const int first = missing.front();
    std::vector<int> candidates = standIns(first);
    candidates.insert(std::lower_bound(candidates.begin(), candidates.end(), first), first);
    for (int candidate : candidates) {
        if (std::all_of(missing.begin(), missing.end(), [&](int m) { return covers(candidate, m); }))
            out.push_back(candidate);
    }
    return out;
}
