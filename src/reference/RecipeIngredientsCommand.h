#pragma once

#include "reference/RecipeIngredientsSession.h"
#include "reference/TZutateninfodialog.h"
#include "ui/DialogServices.h"

// "Zutaten&info": the ingredients of the recipe the main window shows.
class RecipeIngredientsCommand {
public:
    explicit RecipeIngredientsCommand(const DialogServices& services);

    // Does nothing while no recipe is shown.
    void run();

    RecipeIngredientsSession session;
    TZutateninfodialog dialog;

private:
    MainWindowPort& m_main;
};
