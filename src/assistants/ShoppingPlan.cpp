#include "assistants/ShoppingPlan.h"

#include "common/IngredientLookup.h"
#include "common/KeepPosition.h"
#include "common/RecipeBook.h"
#include "common/RecipeCost.h"
#include "store/Fields.h"
#include "store/TApollo.h"

#include <utility>

void ShoppingPlan::setPurchases(int purchases) {
    m_purchases = PurchasePlan::clampPurchases(purchases);
    if (m_made)
        replan();
}

void ShoppingPlan::setPerEuro(bool perEuro) {
    m_perEuro = perEuro;
    if (m_made)
        replan();
}

void ShoppingPlan::make(const IngredientSet& atHand, PurchaseReach reach) {
    m_made = false;
    {
        KeepPosition keep(m_recipes); // the main window's recipe stays current
        m_plan.read(m_recipes);
    }
    m_prices.assign(PurchasePlan::kMaxNumber + 1, 0);
    {
        KeepPosition keep(m_ingredients);
        for (m_ingredients.GoTop(); !m_ingredients.Eof(); m_ingredients.Skip()) {
            const qint64 number = m_ingredients.GetInteger(Fields::Ingredient::Number);
            const qint64 cents = m_ingredients.GetInteger(Fields::Ingredient::Price);
            if (number >= 1 && number <= PurchasePlan::kMaxNumber && cents > 0 &&
                m_ingredients.GetInteger(Fields::Ingredient::Volume) > 0)
                m_prices[size_t(number)] = int(cents);
        }
    }
    m_atHand = atHand;
    m_reach = std::move(reach);
    m_made = true;
    replan();
}

void ShoppingPlan::replan() {
    static const std::vector<int> byDrinks;
    m_steps = m_plan.plan(m_atHand, m_purchases, m_reach, m_perEuro ? m_prices : byDrinks);
    m_rows.clear();
    m_names.clear();
    for (size_t k = 0; k < m_steps.size(); ++k) {
        QStringList names;
        for (int number : m_steps[k].numbers)
            names << ingredientName(number);
        qint64 cents = 0;
        for (int number : m_steps[k].numbers)
            cents = cents < 0 || m_prices.empty() || m_prices[size_t(number)] <= 0
                        ? -1
                        : cents + m_prices[size_t(number)];
        m_rows.append({QString::number(k + 1), names.join(QStringLiteral(" + ")),
                       QString::number(m_steps[k].newDrinks()),
                       cents > 0 ? RecipeCost::euros(double(cents)) : QString()});
        m_names.append(names);
    }
}

QString ShoppingPlan::costText() const {
    qint64 cents = 0;
    int priced = 0;
    bool missing = false;
    for (const PurchasePlan::Step& step : m_steps) {
        for (int number : step.numbers) {
            const int price = m_prices.empty() ? 0 : m_prices[size_t(number)];
            missing = missing || price <= 0;
            cents += qMax(price, 0);
            priced += price > 0 ? 1 : 0;
        }
    }
    if (priced == 0)
        return {};
    return (missing ? QStringLiteral("Kosten: ab ") : QStringLiteral("Kosten: ca. ")) +
           RecipeCost::euros(double(cents));
}

QString ShoppingPlan::ingredientName(int number) const {
    return IngredientLookup::seek(m_ingredients, number)
               ? m_ingredients.GetTrimString(Fields::Ingredient::Name)
               : QString();
}

QStringList ShoppingPlan::drinkNames(int k) const {
    if (k < 0 || k >= int(m_steps.size()))
        return {};
    const PurchasePlan::Step& step = m_steps[size_t(k)];
    KeepPosition keep(m_recipes);
    QStringList names;
    for (int recNo : step.kind == PurchasePlan::Step::Closer ? step.closer : step.drinks) {
        m_recipes.Go(recNo);
        names << RecipeBook::name(m_recipes);
    }
    return names;
}

QString ShoppingPlan::drinksCaption(int k) const {
    if (k < 0 || k >= int(m_steps.size()))
        return QStringLiteral("Drinks:");
    const PurchasePlan::Step& step = m_steps[size_t(k)];
    if (step.kind != PurchasePlan::Step::Closer)
        return QStringLiteral("Neu mixbar mit Schritt %1:").arg(k + 1);
    return step.stillMissing == 1
               ? QStringLiteral("Danach fehlt nur noch eine Zutat:")
               : QStringLiteral("Danach fehlen nur noch %1 Zutaten:").arg(step.stillMissing);
}

QStringList ShoppingPlan::lines() const {
    QStringList out;
    for (size_t k = 0; k < m_steps.size(); ++k) {
        const PurchasePlan::Step& step = m_steps[k];
        for (size_t i = 0; i < step.numbers.size(); ++i)
            out << QStringLiteral("%1\t%2\t%3\t%4")
                       .arg(k + 1)
                       .arg(step.newDrinks())
                       .arg(step.numbers[i])
                       .arg(m_names[qsizetype(k)].at(qsizetype(i)));
    }
    return out;
}
