#pragma once

#include <QList>
#include <QString>

class TApollo;

// The current recipe as the quantity calculator scales it: its name and, in recipe order, each
// ingredient's number, amount, name, unit code and alcohol content.
struct QuantityRecipe {
    static constexpr int kNameLength = 30;
    // Unit codes of `KENNUNG`.
    enum Unit { Cl = 0, Gram = 1, Piece = 2, NoAmount = 3, Dash = 4 };

    struct Line {
        int number = 0;
        int amount = 0;
        QString name;
        int unit = NoAmount;
        int alcohol = 0; // percent by volume
    };

    QString name;
    QList<Line> lines;

    // V: the sum of the cl amounts, as the recipe view totals them.
    qint64 volumeCl() const;

    // Reads the recipe the recipe table stands on. An ingredient that cannot be found keeps an
    // empty name and counts as one without amount, so it adds nothing to V.
    static QuantityRecipe load(TApollo& recipes, TApollo& ingredients);
};
