#include "search/DrinkTraits.h"

#include "common/RecipeBook.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"

bool DrinkTraits::keeps(const QString& instructions, const QList<int>& ingredientNumbers, int recNo) const {
    if (minStars > 0 && stars.value(recNo) < minStars)
        return false;
    for (const int number : ingredientNumbers) {
        if (avoided.contains(number))
            return false;
    }
    if (preparation && GlassStrength::preparationOf(instructions) != *preparation)
        return false;
    return !glass || ServingGlass::of(instructions) == glass;
}

RecipeRecordTest DrinkTraits::recordTest() const {
    if (!any())
        return {};
    return [traits = *this](TApollo& recipes) {
        // The memo only when a criterion reads it: the marks need the numbers alone.
        QString instructions;
        if (traits.preparation || traits.glass) {
            QString remark;
            RecipeMemo::split(RecipeBook::memo(recipes), &instructions, &remark);
        }
        return traits.keeps(instructions, RecipeBook::ingredientNumbers(recipes), recipes.RecNo());
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
