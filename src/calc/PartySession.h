#pragma once

#include "calc/PartyPlan.h"
#include "common/ListEntry.h"
#include "common/Notice.h"

#include <optional>

class HomeBarTable;
class TApollo;

// The party planner's state: the drinks chosen with their glasses, the home bar whose ingredients
// are at hand, and the shopping list that follows from them.
class PartySession {
public:
    static constexpr int kBars = 3;

    PartySession(TApollo& recipes, TApollo& ingredients, const HomeBarTable& bars)
        : m_recipes(recipes), m_ingredients(ingredients), m_bars(bars) {}

    // The drink list to choose from: every recipe by name, carrying its record number.
    QList<ListEntry> recipeChoices();

    // Adds the recipe with that record number for the glasses (1..999); a drink already chosen
    // gets the glasses added. False when the recipe no longer exists. Throws StoreError.
    bool add(int recNo, int glasses);
    // "&Hinzufügen" with the glasses as typed: the notice when there is no drink, the glasses are
    // not a number from 1 to 999, or the recipe is gone; none when the drink was added.
    std::optional<Notice> add(int recNo, const QString& glassesText);
    static Notice noDrinkNotice();
    static Notice glassesNotice();
    static Notice goneNotice();
    void remove(int index);
    void clear();
    // The chosen drinks as shown: "12 × Mojito", in the order they were added.
    QStringList drinkTexts() const;
    int drinkCount() const { return int(m_drinks.size()); }

    // 0 for none, 1..3 for a home bar.
    void setBar(int bar);
    int bar() const { return m_bar; }
    static QString barName(int bar);
    // What counts as at hand; the chosen bar's ingredients unless set otherwise.
    void setAtHand(const IngredientSet& atHand) { m_atHand = atHand; }

    QList<PartyPlan::Line> lines() const;
    QStringList listText() const;
    // The list for the clipboard: tab-separated columns, lines ended by CR LF.
    QString clipboardText() const;

private:
    struct Chosen {
        int recNo = 0;
        PartyPlan::Drink drink;
    };
    QList<PartyPlan::Drink> drinks() const;

    TApollo& m_recipes;
    TApollo& m_ingredients;
    const HomeBarTable& m_bars;
    QList<Chosen> m_drinks;
    int m_bar = 0;
    IngredientSet m_atHand;
};
