#pragma once

#include "assistants/PurchasePlan.h"

#include <QList>
#include <QString>
#include <QStringList>

class TApollo;

// The purchase plan as the shopping assistant and veltadb show it: how many purchases to plan, the
// steps with the names of what to buy, and the drinks of a step by name.
class ShoppingPlan {
public:
    static constexpr int kDefaultPurchases = 5;

    struct Row {
        QString step;       // "1", "2", ...
        QString ingredient; // a pair as "A + B"
        QString drinks;     // the drinks the step makes mixable
        QString price;      // what the step buys costs ("12,99 €"); empty when a price is missing
        friend bool operator==(const Row&, const Row&) = default;
    };

    ShoppingPlan(TApollo& recipes, TApollo& ingredients) : m_recipes(recipes), m_ingredients(ingredients) {}

    // 1..10; a value outside is brought within. Plans again when a plan was made.
    void setPurchases(int purchases);
    int purchases() const { return m_purchases; }
    // "je Euro": single purchases by new drinks per euro instead of by new drinks. Plans again.
    void setPerEuro(bool perEuro);
    bool perEuro() const { return m_perEuro; }
    // "Kosten: ca. 45,97 €" for the whole plan, "ab …" when a price is missing; empty without prices.
    QString costText() const;

    // Reads the recipe table and plans for the ingredients at hand, each purchase bringing what `reach`
    // says. A store failure propagates.
    void make(const IngredientSet& atHand, PurchaseReach reach = {});
    const PurchasePlan::Steps& steps() const { return m_steps; }
    const QList<Row>& rows() const { return m_rows; }

    // The drinks step k makes mixable, or for a step that completes none the drinks it brings
    // closer, by name in table order; with the caption that says which.
    QStringList drinkNames(int k) const;
    QString drinksCaption(int k) const;

    // One line per purchase "step<TAB>new drinks<TAB>number<TAB>name"; the two purchases of a pair
    // are two lines with the same step and count.
    QStringList lines() const;

private:
    void replan();
    QString ingredientName(int number) const;

    TApollo& m_recipes;
    TApollo& m_ingredients;
    int m_purchases = kDefaultPurchases;
    bool m_perEuro = false;
    std::vector<int> m_prices; // cents of a bottle or pack by ingredient number, 0 for none
    bool m_made = false;
    PurchasePlan m_plan;
    IngredientSet m_atHand;
    PurchaseReach m_reach;
    PurchasePlan::Steps m_steps;
    QList<Row> m_rows;
    QList<QStringList> m_names; // per step, the names of what it buys
};
