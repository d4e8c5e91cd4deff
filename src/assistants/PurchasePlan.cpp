#include "assistants/PurchasePlan.h"

#include "assistants/PurchasePlanner.h"
#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "store/TApollo.h"

#include <algorithm>

int PurchasePlan::clampPurchases(int purchases) {
    return std::clamp(purchases, 1, kMaxPurchases);
}

void PurchasePlan::clear() {
    m_recNos.clear();
    m_starts.assign(1, 0);
    m_numbers.clear();
}

void PurchasePlan::add(int recNo, const QList<int>& numbers) {
    const size_t start = m_numbers.size();
    for (int number : numbers) {
        if (number < 0 || number > kMaxNumber) {
            m_numbers.resize(start); // can never be at hand: the drink never becomes mixable
            return;
        }
        m_numbers.push_back(short(number));
    }
    // Ascending and once each, so that a drink missing two ingredients names them in pair order.
    std::sort(m_numbers.begin() + qsizetype(start), m_numbers.end());
    m_numbers.erase(std::unique(m_numbers.begin() + qsizetype(start), m_numbers.end()), m_numbers.end());
    m_recNos.push_back(recNo);
    m_starts.push_back(int(m_numbers.size()));
}

void PurchasePlan::read(TApollo& recipes, const std::function<void()>& step) {
    clear();
    TurboRead fast(recipes);
    for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
        if (step)
            step();
        add(recipes.RecNo(), RecipeBook::ingredientNumbers(recipes));
    }
}

PurchasePlan::Steps PurchasePlan::plan(const IngredientSet& atHand, int purchases, const PurchaseReach& reach,
                                       const std::vector<int>& prices) const {
    Steps steps;
    PurchasePlanner planner(*this, atHand, reach, prices);
    for (int left = clampPurchases(purchases); left > 0;) {
        std::optional<Step> step = planner.next(left);
        if (!step)
            break;
        left -= step->purchases();
        steps.push_back(std::move(*step));
    }
    return steps;
}
