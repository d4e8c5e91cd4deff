#pragma once

#include "assistants/NearMissSession.h"
#include "assistants/gui/NearMissDialog.h"
#include "ui/DialogServices.h"

class MainWindowPort;
class ShownRecipes;

// "Fast mixbar", from the home bar and the shopping assistant: the drinks the program's home bar is
// one or two ingredients short of; the one chosen is shown, the search lifted first when it hides
// that drink.
class NearMissCommand {
public:
    explicit NearMissCommand(const DialogServices& services);

    void run();

    NearMissSession session;
    NearMissDialog dialog;

private:
    const AppState& m_state;
    MainWindowPort& m_main;
    ShownRecipes& m_recipes;
};
