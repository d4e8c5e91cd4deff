#pragma once

#include "common/ShownRecipes.h"
#include "reference/RecipeIngredientsSession.h"
#include "reference/gui/TZutateninfodialog.h"
#include "ui/DialogServices.h"

// "Zutaten&info": the ingredients of the recipe the main window shows.
class RecipeIngredientsCommand {
public:
    explicit RecipeIngredientsCommand(const DialogServices& services);

    // Does nothing while no recipe is shown.
    void run();
    // The same window over the ingredients another window chose (the search's "&Info").
    void showList(const QList<ListEntry>& ingredients);

    RecipeIngredientsSession session;
    TZutateninfodialog dialog;

private:
    ShownRecipes& m_recipes;
};
