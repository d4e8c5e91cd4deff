#include "assistants/NearMisses.h"

#include "common/BarCoverage.h"
#include "common/KeepPosition.h"
#include "common/ListCollation.h"
#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "store/TApollo.h"

#include <algorithm>

namespace {

bool atHand(const IngredientSet& present, int number) {
    return number >= 0 && size_t(number) < present.size() && present.test(size_t(number));
}

} // namespace

QList<NearMisses::Drink> NearMisses::find(TApollo& recipes, const IngredientSet& present, int maxMissing) {
    QList<ListEntry> order;
    QHash<int, std::pair<QList<int>, QList<int>>> missingOf;
    recipes.table().env().SetDeleted(true);
    {
        KeepPosition keep(recipes); // the main window's recipe stays current
        TurboRead fast(recipes);
        for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
            const QList<int> numbers = RecipeBook::ingredientNumbers(recipes);
            QList<int> missing;
            for (int number : numbers) {
                if (!atHand(present, number) && !missing.contains(number))
                    missing.append(number);
            }
            if (missing.isEmpty() || missing.size() > maxMissing)
                continue;
            std::sort(missing.begin(), missing.end());
            order.append({RecipeBook::name(recipes), recipes.RecNo()});
            missingOf.insert(recipes.RecNo(), {missing, numbers});
        }
    }
    ListCollation::sort(order);
    QList<Drink> drinks;
    drinks.reserve(order.size());
    for (const ListEntry& e : order) {
        const auto& [missing, numbers] = missingOf[e.data];
        drinks.append({e.data, e.text, missing, numbers});
    }
    return drinks;
}

QList<NearMisses::Group> NearMisses::group(const QList<Drink>& drinks,
                                           const std::function<QString(int)>& nameOf) {
    QList<Group> groups;
    QHash<QList<int>, qsizetype> at;
    for (const Drink& d : drinks) {
        const auto found = at.constFind(d.missing);
        if (found == at.constEnd()) {
            at.insert(d.missing, groups.size());
            groups.append({d.missing, {d}});
        } else {
            groups[*found].drinks.append(d);
        }
    }
    // Sort keys once per group, not per comparison.
    std::vector<std::pair<ListCollation::Key, qsizetype>> keys;
    keys.reserve(size_t(groups.size()));
    for (qsizetype i = 0; i < groups.size(); ++i)
        keys.emplace_back(ListCollation::sortKey(nameOf(groups.at(i).missing.first())), i);
    std::stable_sort(keys.begin(), keys.end(), [&](const auto& ka, const auto& kb) {
        const Group& a = groups.at(ka.second);
        const Group& b = groups.at(kb.second);
        if (a.drinks.size() != b.drinks.size())
            return a.drinks.size() > b.drinks.size();
        if (a.missing.size() != b.missing.size())
            return a.missing.size() < b.missing.size();
        return ka.first < kb.first;
    });
    QList<Group> sorted;
    sorted.reserve(groups.size());
    for (const auto& k : keys)
        sorted.append(std::move(groups[k.second]));
    groups = std::move(sorted);
    return groups;
}

QStringList NearMisses::standIns(const QList<int>& numbers, const BarCoverage& coverage, int bar,
                                 const std::function<QString(int)>& nameOf) {
    QStringList out;
    for (int wanted : numbers) {
        if (const int standIn = coverage.standIn(bar, wanted)) {
            const QString line = QStringLiteral("%1 statt %2").arg(nameOf(standIn), nameOf(wanted));
            if (!out.contains(line))
                out.append(line);
        }
    }
    return out;
}
