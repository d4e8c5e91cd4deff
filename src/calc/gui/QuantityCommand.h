#pragma once

#include "calc/PartySession.h"
#include "calc/QuantitySession.h"
#include "calc/gui/PartyPlannerDialog.h"
#include "calc/gui/TMengeDialog.h"
#include "common/ShownRecipes.h"
#include "ui/DialogServices.h"

// "&Menge berechnen": scales the recipe the main window shows; changes nothing stored. Its party
// planner keeps the chosen drinks while the program runs.
class QuantityCommand {
public:
    explicit QuantityCommand(const DialogServices& services);

    // Does nothing while no recipe is shown.
    void run();

    QuantitySession session;
    TMengeDialog dialog;
    PartySession party;
    PartyPlannerDialog partyDialog;

private:
    const AppState& m_state;
    ShownRecipes& m_recipes;
};
