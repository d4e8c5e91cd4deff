#include "assistants/ShoppingAnalysis.h"

#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "store/TApollo.h"

void ShoppingAnalysis::reset() {
    m_counters = {};
}

void ShoppingAnalysis::examine(const QList<int>& numbers) {
    std::vector<int> missing;
    for (int number : numbers) {
        if (number > 0 && (number > kMaxNumber || !m_present.test(size_t(number)))) {
            missing.push_back(number);
            // Each slot counts: more missing than one purchase reaches needs several.
            if (int(missing.size()) > m_reach.widest())
                return;
        }
    }
    for (int number : m_reach.completing(missing))
        ++m_counters[size_t(number)];
}

ShoppingAnalysis::Tips ShoppingAnalysis::rank() const {
    Tips tips;
    for (int k = 0; k < kRanks; ++k) {
        Tip best;
        for (int number = 1; number <= kMaxNumber; ++number) {
            const int count = m_counters[size_t(number)];
            // Strictly greater: the lowest number keeps a tie. Earlier ranks are passed over.
            if (count > best.count && (k < 1 || number != tips[0].number) &&
                (k < 2 || number != tips[1].number))
                best = {count, number};
        }
        tips[size_t(k)] = best;
    }
    return tips;
}

ShoppingAnalysis::Tips ShoppingAnalysis::run(TApollo& recipes, const std::function<void()>& step) {
    reset();
    {
        TurboRead fast(recipes);
        for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
            if (step)
                step();
            examine(RecipeBook::ingredientNumbers(recipes));
        }
    }
    return rank();
}
