#pragma once

#include "calc/PartySession.h"
#include "calc/QuantitySession.h"
#include "calc/TMengeDialog.h"
#include "calc/TPartyDialog.h"
#include "ui/DialogServices.h"

// "&Menge berechnen": scales the recipe the main window shows; changes nothing stored. Its party
// planner keeps the chosen drinks while the program runs.
class MengeCommand {
public:
    explicit MengeCommand(const DialogServices& services);

    // Does nothing while no recipe is shown.
    void run();

    QuantitySession session;
    TMengeDialog dialog;
    PartySession party;
    TPartyDialog partyDialog;

private:
    MainWindowPort& m_main;
};
