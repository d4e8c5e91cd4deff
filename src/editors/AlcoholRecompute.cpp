#include "editors/AlcoholRecompute.h"

#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "store/AlcoholValue.h"
#include "store/AtomicFile.h"
#include "store/DbfFile.h"
#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TTable.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

AlcoholValue::Known readIngredients(TApollo& ingredients) {
    AlcoholValue::Known out;
    TurboRead fast(ingredients);
    for (ingredients.GoTop(); !ingredients.Eof(); ingredients.Skip()) {
        out.insert(int(ingredients.GetInteger(Fields::Ingredient::Number)),
                   {int(ingredients.GetInteger(Fields::Ingredient::Unit)),
                    int(ingredients.GetInteger(Fields::Ingredient::Alcohol))});
    }
    return out;
}

QString markerPath(TApollo& recipes) {
    return QFileInfo(recipes.table().file().path()).absolutePath() + QLatin1Char('/') +
           AlcoholRecompute::markerName();
}

} // namespace

void AlcoholRecompute::beginChange(TApollo& recipes) {
    const QString path = markerPath(recipes);
    QString reason;
    if (!AtomicFile::write(path, QByteArrayLiteral("Alkoholgehalt aller Rezepte neu berechnen\r\n"), &reason))
        throw StoreError(AtomicFile::failureText(path, reason));
}

bool AlcoholRecompute::finishPending(TApollo& recipes, TApollo& ingredients, int dashesPerCl) {
    if (!QFileInfo::exists(markerPath(recipes)))
        return false;
    run(recipes, ingredients, dashesPerCl);
    return true;
}

AlcoholRecompute::Result AlcoholRecompute::run(TApollo& recipes, TApollo& ingredients, int dashesPerCl,
                                               const RecipeUsage::Progress& progress) {
    const AlcoholValue::Known known = readIngredients(ingredients);
    const AlcoholValue::Lookup lookup = AlcoholValue::lookupIn(known);
    const QString alk = Fields::Recipe::Alcohol;
    const int step = RecipeUsage::progressStep(recipes.RecCount());
    Result result;
    try {
        TurboRead fast(recipes);
        for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
            ++result.recipes;
            const int value = AlcoholValue::compute(RecipeBook::packedLines(recipes), lookup, dashesPerCl);
            if (value != RecipeBook::alcohol(recipes)) {
                recipes.Edit();
                recipes.ReplaceInteger(alk, value);
                ++result.changed;
            }
            if (progress && step != 0 && recipes.RecNo() % step == 0)
                progress(recipes.RecNo());
        }
        recipes.Commit();
    } catch (const StoreError&) {
        recipes.Cancel();
        throw;
    }
    // Every value is on disk: the change is whole. A marker left by a failed removal only asks
    // for a recomputation that finds nothing to change.
    QFile::remove(markerPath(recipes));
    return result;
}

QString AlcoholRecompute::failureText(const QString& ingredient, const QString& error) {
    return QStringLiteral("Die Änderung der Zutat \"%1\" konnte nicht in den Alkoholgehalt aller Rezepte "
                          "übernommen werden.\r%2")
        .arg(ingredient, error);
}
