#include "search/DrinkTraits.h"

#include "search/RecipeTextIndex.h"
#include "store/TApollo.h"

#include <memory>
#include <vector>

bool DrinkTraits::keeps(std::optional<GlassStrength::Preparation> preparationRead,
                        std::optional<ServingGlass::Kind> glassRead, const QList<int>& ingredientNumbers,
                        int recNo) const {
    if (minStars > 0 && stars.value(recNo) < minStars)
        return false;
    for (const int number : ingredientNumbers) {
        if (avoided.contains(number))
            return false;
    }
    if (preparation && preparationRead != preparation)
        return false;
    return !glass || glassRead == glass;
}

RecipeRecordTest DrinkTraits::recordTest(RecipeTextIndex& index, TApollo& recipes) const {
    if (!any())
        return {};
    auto kept = std::make_shared<const std::vector<char>>(index.keeping(recipes, *this));
    return [kept](TApollo& table) {
        const int recNo = table.RecNo();
        return recNo >= 1 && recNo < int(kept->size()) && (*kept)[size_t(recNo)];
    };
}

QStringList DrinkTraits::preparationNames() {
    // In the order of GlassStrength::Preparation.
    return {noPreference(),           QStringLiteral("geschüttelt"), QStringLiteral("gerührt"),
            QStringLiteral("gebaut"), QStringLiteral("Mixer"),       QStringLiteral("heiß")};
}

QStringList DrinkTraits::starNames() {
    return {noPreference(),
            QStringLiteral("mindestens 1 Stern"),
            QStringLiteral("mindestens 2 Sterne"),
            QStringLiteral("mindestens 3 Sterne"),
            QStringLiteral("mindestens 4 Sterne"),
            QStringLiteral("5 Sterne")};
}

QStringList DrinkTraits::glassNames() {
    return QStringList{noPreference()} + ServingGlass::names();
}
