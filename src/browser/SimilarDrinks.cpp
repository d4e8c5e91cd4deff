#include "browser/SimilarDrinks.h"

#include "common/IceNames.h"
#include "common/ListCollation.h"
#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <algorithm>
#include <cmath>

namespace {

SimilarDrinks::Weights weightsOf(const RecipeRecord& recipe, const QList<int>& basics) {
    SimilarDrinks::Weights weights;
    int base = 0;
    int baseAlcohol = 0;
    for (const RecipeRecord::Line& line : recipe.lines) {
        const IngredientRecord& ingredient = line.ingredient;
        if (!ingredient.found || basics.contains(ingredient.number) || IceNames::isIce(ingredient.name))
            continue;
        weights.insert(ingredient.number, 1);
        const int alcohol = ingredient.unit == UnitKind::Cl ? line.amount * ingredient.alcohol : 0;
        if (alcohol > baseAlcohol) {
            baseAlcohol = alcohol;
            base = ingredient.number;
        }
    }
    if (base != 0)
        weights.insert(base, SimilarDrinks::kBaseWeight);
    return weights;
}

} // namespace

int SimilarDrinks::score(const Weights& a, const Weights& b) {
    int shared = 0;
    int either = 0;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        const int other = b.value(it.key());
        shared += std::min(it.value(), other);
        either += std::max(it.value(), other);
    }
    for (auto it = b.cbegin(); it != b.cend(); ++it) {
        if (!a.contains(it.key()))
            either += it.value();
    }
    return either == 0 ? 0 : int(std::lround(100.0 * shared / either));
}

QList<SimilarDrinks::Found> SimilarDrinks::closest(TApollo& recipes, TApollo& ingredients, int recNo,
                                                   const QList<int>& basics, int count) {
    recipes.table().env().SetDeleted(true);
    QList<int> recNos;
    {
        TurboRead fast(recipes);
        for (recipes.GoTop(); !recipes.Eof(); recipes.Skip())
            recNos.append(recipes.RecNo());
    }
    RecipeBook book(recipes, ingredients);
    const Weights own = weightsOf(book.read(recNo, false), basics);
    QList<Found> found;
    for (int other : recNos) {
        if (other == recNo)
            continue;
        const RecipeRecord recipe = book.read(other, false);
        if (const int points = score(own, weightsOf(recipe, basics)); points > 0)
            found.append({points, other, recipe.name});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.score != b.score)
            return a.score > b.score;
        return ListCollation::lessThan(a.name, b.name);
    });
    return found.mid(0, count);
}
