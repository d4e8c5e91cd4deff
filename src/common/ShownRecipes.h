#pragma once

#include "common/ListEntry.h"
#include "common/RecipeListing.h"

#include <QList>
#include <QString>

// The main window's list of drinks and the recipe it shows, as the feature commands may use them:
// the browser implements it, the commands get it through their services.
class ShownRecipes : public RecipeListing {
public:
    // Selects the first drink of the list and shows its recipe.
    virtual void ShowFirst() = 0;
    // Empties the quick-search field above the list.
    virtual void ClearQuickSearch() = 0;
    // "Suchkriterien &aufheben" and toolbar button 4 of both sets.
    virtual void setCancelSearchEnabled(bool enabled) = 0;
    // The record number of the shown recipe; 0 when the list is empty.
    virtual int CurrentRecNo() const = 0;
    // The recipe list as shown: its entries with their record numbers, the selected row (-1 when
    // none) and the count text under it.
    virtual QList<ListEntry> ListedRecipes() const = 0;
    virtual int SelectedRow() const = 0;
    virtual QString CountText() const = 0;
    // Selects the drink and shows its recipe; false when the list (a search) does not hold it.
    virtual bool ShowRecipe(int recNo) = 0;
    // Reloads and redraws the shown recipe after its record changed.
    virtual void ReloadCurrent() = 0;
    // After the recipe editor saved a recipe (the recipe table stands on it): the list of drinks
    // takes the new or renamed entry at its sorted place and shows it.
    virtual void RecipeSaved(bool isNew, const QString& name) = 0;
};
