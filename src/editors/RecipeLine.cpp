#include "editors/RecipeLine.h"

#include "store/UnitKind.h"

RecipeLine RecipeLine::make(int ingredient, int amount, int kind, const QString& name) {
    if (kind == UnitKind::None)
        return {ingredient, amount, name};
    const QString number = amount != 0 ? QString::number(amount) + QLatin1Char(' ') : QString();
    return {ingredient, amount, number + UnitKind::text(kind) + QStringLiteral("  ") + name};
}
