#include "editors/RecipeLine.h"

#include "store/UnitKind.h"

RecipeLine RecipeLine::make(int ingredient, int amount, int kind, const QString& name) {
    return {ingredient, amount, UnitKind::line(amount, kind, name)};
}
