#pragma once

#include "browser/SimilarDrinks.h"
#include "common/ListEntry.h"

class TApollo;

// "Ähnliche Drinks" for the drink shown: the closest drinks with their points, as the window lists
// them; the one chosen is shown in the main window.
class SimilarDrinksSession {
public:
    static constexpr int kHelpContext = 2360;

    SimilarDrinksSession(TApollo& recipes, TApollo& ingredients)
        : m_recipes(recipes), m_ingredients(ingredients) {}

    // Reads the drinks closest to the recipe; throws StoreError.
    void begin(int recNo, const QList<int>& basics);
    QString heading() const;
    // "Caipiroska (83 Punkte)", keyed by record number.
    QList<ListEntry> entries() const;
    const QList<SimilarDrinks::Found>& found() const { return m_found; }

private:
    TApollo& m_recipes;
    TApollo& m_ingredients;
    QString m_name;
    QList<SimilarDrinks::Found> m_found;
};
