#pragma once

#include "calc/QuantityRecipe.h"
#include "common/DisplayUnit.h"
#include "common/IngredientSet.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The party planner's arithmetic: several drinks, each for a number of glasses, summed per
// ingredient and unit into a shopping list. What is always at home and what the chosen bar holds
// stay on the list with their amounts, each under its own heading, so the host knows how much to
// take from the shelf (a party needs kilograms of ice even when ice is always in the house).
class PartyPlan {
public:
    static constexpr int kMaxGlasses = 999;
    // Spirits, liqueurs and wine come in bottles of 0,7 l and 1 l; juices and mixers in packs of 1 l
    // and 0,33 l.
    static constexpr int kBottleSmallCl = 70;
    static constexpr int kBottleLargeCl = 100;
    static constexpr int kPackSmallCl = 33;
    static constexpr int kPackLargeCl = 100;
    // Recipes name ice without an amount: a glass takes about this much in the shaker or stirring
    // glass and in the glass itself.
    static constexpr int kIceGramsPerGlass = 250;

    struct Drink {
        QuantityRecipe recipe;
        int glasses = 0;
    };
    // Under which heading a line stands.
    enum class Place { Buy, AlwaysAtHome, InBar };
    struct Line {
        int number = 0;
        QString name;
        int unit = UnitKind::None;
        qint64 amount = 0; // the sum over all glasses, in the unit; for ice in grams
        Place place = Place::Buy;
        bool alcoholic = false;
        bool ice = false; // named without an amount: `amount` is the estimate per glass

        bool measured() const { return amount > 0 && (unit != UnitKind::None || ice); }
    };

    // One line per ingredient and unit, in the order the ingredients first appear in the drinks;
    // what `atHome` holds is always at home, what else `atHand` holds is in the bar. Drinks with no
    // glasses add nothing.
    static QList<Line> lines(const QList<Drink>& drinks, const IngredientSet& atHand,
                             const IngredientSet& atHome = {});

    // The summed amount: "140 cl" (or in the shown unit), "1.250 g", "6 St", "8 dash", "ca. 3 kg" of ice;
    // empty for nothing measured.
    static QString amountText(const Line& line, DisplayUnit::Kind unit = DisplayUnit::Cl);
    // What to buy: cl amounts in whole bottles or packs of both sizes ("2 × 0,7 l oder 2 × 1 l",
    // "3 × 1 l oder 7 × 0,33 l"), pieces, grams and ice as summed, dashes and unmeasured ingredients
    // "nach Bedarf".
    static QString purchaseText(const Line& line);
    // What buying costs: each line to buy in whole bottles or packs of the ingredient's size
    // (`priceOf` gives price in cents and size in the unit, dashes in cl; 0 for no price). Ice and
    // lines without an amount are not priced; a measured line without a price is named as missing.
    struct Price {
        int cents = 0;
        int pack = 0;
    };
    struct PurchaseCost {
        qint64 cents = 0;
        int priced = 0;
        QStringList missing;
    };
    static PurchaseCost purchaseCost(const QList<Line>& lines, const std::function<Price(int)>& priceOf,
                                     int dashesPerCl);
    // "Kosten des Einkaufs: ca. 45,97 €" or "… ab 45,97 € (ohne Preis: …)"; empty when nothing is priced.
    static QString purchaseCostText(const PurchaseCost& cost);

    // One line of the list: the name, the amount and (to buy, when it says more) what to buy,
    // tab-separated.
    static QString lineText(const Line& line, DisplayUnit::Kind unit = DisplayUnit::Cl);
    // The whole list as lines: the drinks, the purchases, what is always at home and (under
    // `barName`) what the bar holds.
    static QStringList listText(const QList<Drink>& drinks, const QList<Line>& lines, const QString& barName,
                                const QString& costText = {}, DisplayUnit::Kind unit = DisplayUnit::Cl);

    // A party from guests and hours: two drinks per guest in the first hour, then one per guest and
    // hour.
    static constexpr int kMaxGuests = 999;
    static constexpr int kMaxHours = 24;
    static int drinksFor(int guests, int hours);
    // `total` glasses shared over the drinks by their weights, by largest remainders (equal weights
    // when none is above 0); each drink gets 1..999 glasses.
    static QList<int> share(int total, const QList<int>& weights);
    // Ice for chilling bottles and serving beyond what the recipes need: about half a kilogram a guest.
    static constexpr int kChillingIceGramsPerGuest = 500;
    // Fresh lemons and limes to press: a lemon gives about 4 cl of juice, a lime about 2,5 cl.
    static constexpr int kLemonJuiceMl = 40;
    static constexpr int kLimeJuiceMl = 25;
    struct Fruit {
        QString name; // "Zitronen", "Limetten"
        int pieces = 0;
        QString juice; // the juice line it presses
        qint64 juiceCl = 0;
    };
    static QList<Fruit> fruitFor(const QList<Line>& lines);
    // The party's lines for the list: glasses to put out (one per guest and drink served, at most as
    // many as glasses planned), ice for chilling, and the fruit to press.
    static QStringList partyText(int guests, int hours, const QList<Drink>& drinks, const QList<Line>& lines,
                                 DisplayUnit::Kind unit = DisplayUnit::Cl);

    static QString neededText() { return QStringLiteral("nach Bedarf"); }
    static QString unknownName(int number) { return QStringLiteral("Zutat Nr. %1").arg(number); }
};
