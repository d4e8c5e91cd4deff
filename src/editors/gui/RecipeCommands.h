#pragma once

#include "common/ShownRecipes.h"
#include "editors/RecipeEditSession.h"
#include "editors/RecipeListSession.h"
#include "editors/gui/RListeDialog.h"
#include "editors/gui/RecipeEditing.h"
#include "editors/gui/TReditdialog.h"
#include "ui/DialogServices.h"

struct AppState;
class DataTables;
class MainWindowPort;

// The recipe commands of the main window: "&Neues Rezept hinzufügen", "&Aktuelles Rezept
// bearbeiten" and the recipe list "&Rezepte", over one recipe editor and one recipe list editor,
// created together on first use.
class RecipeCommands : public RecipeEditing {
public:
    explicit RecipeCommands(const DialogServices& services);

    void runNew();
    void runEdit();
    void runList();

    // RecipeEditing: `EditNewRecipe` and `EditRecipe`, for these commands and the recipe list.
    int EditNewRecipe() override;
    bool EditRecipe(const QString& name, int recNo) override;
    QString savedName() const override { return editSession.savedName(); }
    void recipeDeleted() override;
    int savedRecNo() const override { return editSession.savedRecNo(); }

    // The editor prepared for the recipe, before it is shown; false when it could not be read.
    bool prepareEdit(const QString& name, int recNo);
    // After the main window's add or edit command saved a recipe: the recipe list follows.
    void recipeSaved(bool isNew, const QString& oldName);

    RecipeEditSession editSession;
    TReditdialog editor;
    RecipeListSession listSession;
    RListeDialog list;

private:
    void prepareChoices();
    void refreshChoices();
    // Shows the editor until the recipe is saved, refused or cancelled; the input survives a save
    // that failed in the store.
    int showAndSave();

    AppState& m_state;
    DataTables& m_tables;
    MainWindowPort& m_main;
    ShownRecipes& m_recipes;
};
