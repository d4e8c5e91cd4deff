#pragma once

#include "common/ChoiceKind.h"
#include "common/IngredientChoices.h"
#include "common/ListEntry.h"

#include <QObject>
#include <QStringList>

#include <functional>

class DataTables;
class TApollo;

// The lists every window offers and the number of recipes, kept for the whole run. Whoever changes
// a table or the lists file updates the catalogue, and the catalogue announces it (`changed`), so no
// window has to remember to refresh another.
class Catalogue : public QObject, public ChoiceKind {
    Q_OBJECT
public:
    explicit Catalogue(QObject* parent = nullptr) : QObject(parent) {}

    // The category and taste names by list position (free slots are "~").
    const QStringList& categories() const { return m_categories; }
    const QStringList& tastes() const { return m_tastes; }
    // `zutatliste`, the blood alcohol entries and the home bars.
    const IngredientChoices& ingredients() const { return m_ingredients; }
    // Every decoration's name with its record number, in table order.
    const QList<ListEntry>& decorations() const { return m_decorations; }
    int recipeTotal() const { return m_recipeTotal; }

    void setLists(const QStringList& categories, const QStringList& tastes);
    // The category and taste names from the lists file (VE.DAT); a missing file gives empty lists.
    void readLists(const QString& path);
    void setIngredients(const IngredientChoices& choices);
    // Changes the ingredient choices in memory only (the home bars a tool or test assumes).
    void changeIngredients(const std::function<void(IngredientChoices&)>& change);
    void setDecorations(const QList<ListEntry>& decorations);
    void setRecipeTotal(int total);
    // After recipes were added or deleted.
    void countRecipes(TApollo& recipes);
    // Reads one kind again from its table (ingredients, decorations, recipes).
    void reload(Kind kind, DataTables& tables);
    void reloadAll(DataTables& tables);

    // One pass over the ingredient table, fast reading on for it.
    static IngredientChoices readIngredients(TApollo& ingredients);
    // Every decoration's name with its record number, in table order.
    static QList<ListEntry> readDecorations(TApollo& decorations);

signals:
    void changed(int kind);

private:
    QStringList m_categories;
    QStringList m_tastes;
    IngredientChoices m_ingredients;
    QList<ListEntry> m_decorations;
    int m_recipeTotal = 0;
};
