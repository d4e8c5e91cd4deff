#include "calc/BatchBottle.h"

#include "common/IceNames.h"
#include "store/UnitKind.h"

#include <cmath>

namespace {

qint64 whole(double value) {
    return qint64(std::llround(value));
}

QString servingOf(GlassStrength::Method method) {
    switch (method) {
    case GlassStrength::Method::Shaken:
        return QStringLiteral("Im Kühlschrank kalt stellen, vor dem Servieren kurz schütteln und ohne Eis in "
                              "vorgekühlte Gläser gießen.");
    case GlassStrength::Method::Stirred:
        return QStringLiteral("Im Gefrierfach kalt stellen und direkt daraus ohne Eis in vorgekühlte Gläser "
                              "gießen.");
    case GlassStrength::Method::Built:
        return QStringLiteral("Kalt stellen und im Glas auf frische Eiswürfel gießen.");
    case GlassStrength::Method::Blended:
        return QStringLiteral("Kalt stellen und je Glas mit Eis im Mixer mixen.");
    case GlassStrength::Method::Neat:
        break;
    }
    return QStringLiteral("Kalt stellen und ohne Eis servieren; heiße Drinks vor dem Servieren erhitzen, "
                          "nicht kochen.");
}

} // namespace

BatchBottle::Plan BatchBottle::make(const QuantityRecipe& recipe, const QString& instructions, int bottleMl,
                                    int dashesPerCl) {
    Plan plan;
    bool ice = false;
    double stillMl = 0; // one drink's still liquids
    for (const QuantityRecipe::Line& line : recipe.lines) {
        ice = ice || IceNames::isIce(line.name);
        if (IceNames::isIce(line.name) || IceNames::isSparkling(line.name))
            continue;
        if (line.unit == UnitKind::Cl)
            stillMl += 10.0 * line.amount;
        else if (line.unit == UnitKind::Dash && dashesPerCl > 0)
            stillMl += 10.0 * line.amount / dashesPerCl;
    }
    plan.method = GlassStrength::methodOf(instructions, ice);
    plan.serving = servingOf(plan.method);
    // Only the shaker and the stirring glass water a drink before it reaches the glass.
    const bool watered =
        plan.method == GlassStrength::Method::Shaken || plan.method == GlassStrength::Method::Stirred;
    const double water = watered ? GlassStrength::dilution(plan.method) : 0.0;
    const double pour = stillMl * (1.0 + water);
    if (stillMl <= 0 || bottleMl <= 0)
        return plan;
    plan.empty = false;
    plan.glasses = bottleMl / pour;
    plan.perGlassMl = whole(pour);
    plan.waterMl = whole(stillMl * water * plan.glasses);
    const QString ml = QStringLiteral("ml");
    for (const QuantityRecipe::Line& line : recipe.lines) {
        if (IceNames::isIce(line.name))
            continue;
        const bool sparkling = IceNames::isSparkling(line.name);
        Line out{0, QString(), line.name};
        double perGlass = 0;
        switch (line.unit) {
        case UnitKind::Cl:
            perGlass = 10.0 * line.amount;
            out.unit = ml;
            break;
        case UnitKind::Dash:
            perGlass = dashesPerCl > 0 ? 10.0 * line.amount / dashesPerCl : 0;
            out.unit = ml;
            break;
        case UnitKind::Gram:
        case UnitKind::Piece:
            perGlass = line.amount;
            out.unit = UnitKind::text(line.unit);
            break;
        default:
            break;
        }
        if (sparkling) {
            out.amount = whole(perGlass);
            plan.atServing.append(out);
            continue;
        }
        // Pieces are whole; what has no unit is added as needed.
        out.amount = line.unit == UnitKind::Piece ? qint64(std::ceil(perGlass * plan.glasses - 1e-9))
                                                  : whole(perGlass * plan.glasses);
        plan.bottle.append(out);
    }
    return plan;
}

QStringList BatchBottle::lines(const Plan& plan) {
    if (plan.empty)
        return {nothingToBottleText()};
    QStringList out;
    for (const Line& line : plan.bottle)
        out << (line.unit.isEmpty()
                    ? QStringLiteral("-\t-\t%1").arg(line.name)
                    : QStringLiteral("%1\t%2\t%3").arg(line.amount).arg(line.unit, line.name));
    out << QStringLiteral("%1\tml\tWasser").arg(plan.waterMl);
    out << QStringLiteral("je Glas: %1 ml").arg(plan.perGlassMl);
    for (const Line& line : plan.atServing)
        out << (line.unit.isEmpty() ? QStringLiteral("beim Servieren: %1").arg(line.name)
                                    : QStringLiteral("beim Servieren: %1 %2 %3 je Glas")
                                          .arg(line.amount)
                                          .arg(line.unit, line.name));
    out << plan.serving;
    return out;
}
