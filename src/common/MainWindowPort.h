#pragma once

#include "common/ListEntry.h"
#include "common/RecipeRecordTest.h"

#include <QList>
#include <QString>

// What the feature windows may ask of the main window, without knowing it: refill the list,
// reload the shown recipe, refresh the choice lists, run another command. The main window
// implements it; tests implement it with a recorder.
class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;

    // Rebuilds the recipe list from the recipe table as it stands (the active filter applies);
    // with homeBarOnly only the drinks mixable from the chosen home bar; with a record test only the
    // drinks that pass it.
    virtual void FillRecipeList(bool homeBarOnly, const RecipeRecordTest& alsoKeep = {}) = 0;
    // The number of drinks the list holds now (`ListedCount`).
    virtual int ListedCount() const = 0;
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
    // Reloads and redraws the shown recipe after its record changed.
    virtual void ReloadCurrent() = 0;
    // Rebuilds the shared copy of one kind of choices (ChoiceKind::Kind).
    virtual void RefreshChoiceLists(int kind) = 0;
    // After the recipe editor saved a recipe (the recipe table stands on it): the list of drinks
    // takes the new or renamed entry at its sorted place and shows it.
    virtual void RecipeSaved(bool isNew, const QString& name) = 0;
    // Runs a command of the command table by name, as the menu would.
    virtual void RunCommand(const QString& command) = 0;
    // Opens the information on one ingredient (by its number), over the dialog that asks.
    virtual void ShowIngredientInfo(int number) = 0;
    // Opens the information on several ingredients (text and number each), listed in this order.
    virtual void ShowIngredientList(const QList<ListEntry>& ingredients) = 0;
    // On while a dialog with pictures of its own is open: on a display below 16-bit colour the recipe
    // photo gives way to the neutral picture, so that the dialog's pictures keep their colours.
    virtual void NeutralPhoto(bool on) = 0;
    // Takes the options record as it now stands: background, toolbar set, text font and wrapping,
    // short help, photos; with a new motif also the main window's skin.
    virtual void ApplyOptions(bool motifChanged) = 0;
};
