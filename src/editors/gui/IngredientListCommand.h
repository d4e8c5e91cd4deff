#pragma once

#include "common/ShownRecipes.h"
#include "editors/IngredientEditSession.h"
#include "editors/IngredientListSession.h"
#include "editors/gui/ZutatEditDialog.h"
#include "editors/gui/ZutatenListeDialog.h"
#include "ui/DialogServices.h"

class MainWindowPort;

// "&Zutaten" in "&Datenbanken" (also "Zutaten &bearbeiten" in the recipe editor): the ingredient
// list with its editor; after a change every ingredient choice is rebuilt and the view reloaded.
class IngredientListCommand {
public:
    explicit IngredientListCommand(const DialogServices& services);

    void run();

    IngredientListSession session;
    IngredientEditSession editSession;
    ZutatEditDialog editor;
    ZutatenListeDialog dialog;

private:
    MainWindowPort& m_main;
    ShownRecipes& m_recipes;
};
