#pragma once

#include "common/ShownRecipes.h"
#include "editors/IngredientEditSession.h"
#include "editors/IngredientListSession.h"
#include "editors/gui/ZutatEditDialog.h"
#include "editors/gui/ZutatenListeDialog.h"
#include "ui/DialogServices.h"

class Catalogue;
class DataTables;

// "&Zutaten" in "&Datenbanken" (also "Zutaten &bearbeiten" in the recipe editor): the ingredient
// list with its editor; after a change the catalogue reads the ingredients again and the view reloaded.
class IngredientListCommand {
public:
    explicit IngredientListCommand(const DialogServices& services);

    void run();

    IngredientListSession session;
    IngredientEditSession editSession;
    ZutatEditDialog editor;
    ZutatenListeDialog dialog;

private:
    Catalogue& m_catalogue;
    DataTables& m_tables;
    ShownRecipes& m_recipes;
};
