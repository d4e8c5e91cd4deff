#pragma once

#include "calc/PartyPlan.h"
#include "common/ListEntry.h"
#include "common/Notice.h"

#include <optional>

struct AppState;
class TApollo;

// The party planner's state: the drinks chosen with their glasses, the home bar whose ingredients
// are at hand, and the shopping list that follows from them. What counts as at hand, and as always
// at home, is what every mixable test takes: the bar coverage with its basics and substitutes.
class PartySession {
public:
    static constexpr int kBars = 3;

    PartySession(AppState& state, TApollo& recipes, TApollo& ingredients)
        : m_state(state), m_recipes(recipes), m_ingredients(ingredients) {}

    // The drink list to choose from: every recipe by name, carrying its record number.
    QList<ListEntry> recipeChoices();

    // What adding a drink did: whether it is on the list, and the notice to show (a refusal, or that
    // the glasses were held at 999).
    struct Added {
        bool added = false;
        std::optional<Notice> notice;
    };
    // Adds the recipe with that record number for the glasses (1..999); a drink already chosen
    // gets the glasses added, up to 999. Refused when the recipe no longer exists. Throws StoreError.
    Added add(int recNo, int glasses);
    // "&Hinzufügen" with the glasses as typed: refused when there is no drink, the glasses are not a
    // number from 1 to 999, or the recipe is gone.
    Added add(int recNo, const QString& glassesText);
    static Notice noDrinkNotice();
    static Notice glassesNotice();
    static Notice goneNotice();
    static Notice cappedNotice(const QString& drink);
    void remove(int index);
    void clear();
    // The chosen drinks as shown: "12 × Mojito", in the order they were added.
    QStringList drinkTexts() const;
    int drinkCount() const { return int(m_drinks.size()); }

    // 0 for none, 1..3 for a home bar.
    void setBar(int bar);
    int bar() const { return m_bar; }
    static QString barName(int bar);

    // "Gäste" and "Stunden": with guests, the list ends with what the party needs beyond the recipes.
    void setParty(int guests, int hours);
    int guests() const { return m_guests; }
    int hours() const { return m_hours; }
    // "&Vorschlagen": the drinks the guests and hours call for, shared over the chosen drinks by their
    // glasses so far. Refused without guests or drinks.
    std::optional<Notice> propose();
    static Notice proposeNotice();

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

    AppState& m_state;
    TApollo& m_recipes;
    TApollo& m_ingredients;
    QList<Chosen> m_drinks;
    int m_bar = 0;
    int m_guests = 0;
    int m_hours = 0;
};
