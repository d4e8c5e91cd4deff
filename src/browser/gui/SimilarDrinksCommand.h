#pragma once

#include "browser/SimilarDrinksSession.h"
#include "browser/gui/SimilarDrinksDialog.h"
#include "ui/DialogServices.h"

class MainWindowPort;
class ShownRecipes;

// "Ähnliche Drinks" in the recipe view's pop-up menu: the drinks closest to the one shown; the one
// chosen is shown, the search lifted first when it hides that drink.
class SimilarDrinksCommand {
public:
    explicit SimilarDrinksCommand(const DialogServices& services);

    void run();

    SimilarDrinksSession session;
    SimilarDrinksDialog dialog;

private:
    const AppState& m_state;
    MainWindowPort& m_main;
    ShownRecipes& m_recipes;
};
