#pragma once

#include "calc/QuantityRecipe.h"
#include "common/IngredientSet.h"

#include <QList>
#include <QString>
#include <QStringList>

// The party planner's arithmetic: several drinks, each for a number of glasses, summed per
// ingredient and unit into a shopping list. What the chosen bar holds stays on the list, marked as
// at hand, so the host knows what to take from the shelf instead of what to buy.
class PartyPlan {
public:
    static constexpr int kMaxGlasses = 999;
    static constexpr int kBottleSmallCl = 70;
    static constexpr int kBottleLargeCl = 100;

    struct Drink {
        QuantityRecipe recipe;
        int glasses = 0;
    };
    struct Line {
        int number = 0;
        QString name;
        int unit = QuantityRecipe::NoAmount;
        qint64 amount = 0; // the sum over all glasses, in the unit
        bool atHand = false;

        bool measured() const { return amount > 0 && unit != QuantityRecipe::NoAmount; }
    };

    // One line per ingredient and unit, in the order the ingredients first appear in the drinks.
    // Drinks with no glasses add nothing.
    static QList<Line> lines(const QList<Drink>& drinks, const IngredientSet& atHand);

    // The summed amount: "140 cl", "1.250 g", "6 St", "8 dash"; empty for nothing measured.
    static QString amountText(const Line& line);
    // What to buy: cl amounts in whole bottles of both sizes ("2 × 0,7 l oder 2 × 1 l"), pieces and
    // grams as summed, dashes and unmeasured ingredients "nach Bedarf".
    static QString purchaseText(const Line& line);
    // One line of the list: the name, the amount and (when it says more) what to buy, tab-separated.
    static QString lineText(const Line& line, bool atHand);
    // The whole list as lines: the drinks, the purchases and (under `barName`) what is at hand.
    static QStringList listText(const QList<Drink>& drinks, const QList<Line>& lines, const QString& barName);

    static QString neededText() { return QStringLiteral("nach Bedarf"); }
    static QString unknownName(int number) { return QStringLiteral("Zutat Nr. %1").arg(number); }
};
