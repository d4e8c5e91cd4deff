#pragma once

#include "store/UnitKind.h"

#include <QList>
#include <QString>

class TApollo;
struct RecipeRecord;

// The current recipe as the quantity calculator scales it: its name and, in recipe order, each
// ingredient's number, amount, name, unit kind and alcohol content.
struct QuantityRecipe {
    struct Line {
        int number = 0;
        int amount = 0;
        QString name;
        int unit = UnitKind::None;
        int alcohol = 0; // percent by volume
    };

    QString name;
    QList<Line> lines;

    // V: the sum of the cl amounts, as the recipe view totals them.
    qint64 volumeCl() const;

    // Reads the recipe (the table stays on it). An ingredient that cannot be found keeps an empty
    // name and counts as one without amount, so it adds nothing to V.
    static QuantityRecipe load(TApollo& recipes, TApollo& ingredients, int recNo);
    static QuantityRecipe from(const RecipeRecord& stored);
};
