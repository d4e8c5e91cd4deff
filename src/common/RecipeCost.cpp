#include "common/RecipeCost.h"

#include "common/IceNames.h"
#include "common/RecipeRecord.h"
#include "common/TurboRead.h"
#include "store/Fields.h"
#include "store/TApollo.h"
#include "store/UnitKind.h"

#include <QLocale>

#include <cmath>

double RecipeCost::lineCents(int amount, int unit, int priceCents, int packSize, int dashesPerCl) {
    if (priceCents <= 0 || packSize <= 0)
        return -1;
    double inPackUnit = amount;
    if (unit == UnitKind::Dash)
        inPackUnit = dashesPerCl > 0 ? double(amount) / dashesPerCl : 0;
    return inPackUnit * priceCents / packSize;
}

RecipeCost::Cost RecipeCost::of(const RecipeRecord& recipe, int dashesPerCl) {
    Cost cost;
    for (const RecipeRecord::Line& line : recipe.lines) {
        const IngredientRecord& in = line.ingredient;
        // Only what the recipe measures can be priced; ice and "nach Bedarf" cost nothing here.
        if (!in.found || in.unit == UnitKind::None || line.amount <= 0 || IceNames::isIce(in.name))
            continue;
        const double cents = lineCents(line.amount, in.unit, in.priceCents, in.packSize, dashesPerCl);
        if (cents < 0) {
            if (!cost.missing.contains(in.name))
                cost.missing << in.name;
            continue;
        }
        cost.cents += cents;
        ++cost.priced;
    }
    return cost;
}

RecipeCost::PriceTable RecipeCost::readPrices(TApollo& ingredients) {
    namespace F = Fields::Ingredient;
    PriceTable table(size_t(kMaxNumber) + 1);
    TurboRead fast(ingredients);
    for (ingredients.GoTop(); !ingredients.Eof(); ingredients.Skip()) {
        const qint64 number = ingredients.GetInteger(F::Number);
        if (number < 0 || number > kMaxNumber)
            continue;
        const QString name = ingredients.GetTrimString(F::Name);
        const qint64 unit = ingredients.GetInteger(F::Unit);
        // Ice is named without a unit in the shipped data; only a measured one needs the test.
        table[size_t(number)] = {true,
                                 UnitKind::fromField(unit),
                                 unit != UnitKind::None && IceNames::isIce(name),
                                 int(qMax<qint64>(0, ingredients.GetInteger(F::Price))),
                                 int(qMax<qint64>(0, ingredients.GetInteger(F::Volume))),
                                 name};
    }
    return table;
}

RecipeCost::Cost RecipeCost::ofPacked(const QList<IngredientSlots::Line>& lines, const PriceTable& prices,
                                      int dashesPerCl) {
    Cost cost;
    for (const IngredientSlots::Line& line : lines) {
        if (line.ingredient < 0 || size_t(line.ingredient) >= prices.size())
            continue;
        const Priced* in = &prices[size_t(line.ingredient)];
        if (!in->known || in->unit == UnitKind::None || line.amount <= 0 || in->ice)
            continue;
        const double cents = lineCents(line.amount, in->unit, in->priceCents, in->packSize, dashesPerCl);
        if (cents < 0) {
            if (!cost.missing.contains(in->name))
                cost.missing << in->name;
            continue;
        }
        cost.cents += cents;
        ++cost.priced;
    }
    return cost;
}

QString RecipeCost::euros(double cents) {
    return QLocale(QLocale::German, QLocale::Germany).toString(std::round(cents) / 100.0, 'f', 2) +
           QStringLiteral(" €");
}

QString RecipeCost::text(const Cost& cost) {
    if (cost.priced == 0)
        return {};
    if (cost.missing.isEmpty())
        return QStringLiteral("Kosten: ca. ") + euros(cost.cents);
    // Three names at most: the line has to fit beside the others.
    QString missing = cost.missing.mid(0, 3).join(QStringLiteral(", "));
    if (cost.missing.size() > 3)
        missing += QStringLiteral(" …");
    return QStringLiteral("Kosten: ab %1 (ohne Preis: %2)").arg(euros(cost.cents), missing);
}
