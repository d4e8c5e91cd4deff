#pragma once

#include "assistants/JournalSession.h"
#include "assistants/gui/JournalDialog.h"
#include "ui/DialogServices.h"

// "Journal" in the Extras menu: the user's journal; the drink chosen is shown, the search lifted
// first when it hides that drink.
class JournalCommand {
public:
    explicit JournalCommand(const DialogServices& services);

    void run();

    JournalSession session;
    JournalDialog dialog;

private:
    MainWindowPort& m_main;
    ShownRecipes& m_recipes;
};
