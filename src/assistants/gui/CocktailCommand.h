#pragma once

#include "assistants/CocktailSession.h"
#include "assistants/gui/TAssiDialog.h"
#include "common/ShownRecipes.h"
#include "ui/DialogServices.h"

// "&Cocktailassistent": the cocktail session and its dialog, created once on first use. Shows the
// wizard; after "&Start" the main window's list holds the drinks that carry the chosen answers.
class CocktailCommand {
public:
    explicit CocktailCommand(const DialogServices& services);

    void run();
    // What "&Start" does: filter, refill the list and show its first drink, or say that none match.
    void start();

    CocktailSession session;
    TAssiDialog dialog;

private:
    MainWindowPort& m_main;
    ShownRecipes& m_recipes;
    QWidget* m_parent;
};
