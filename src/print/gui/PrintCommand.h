#pragma once

#include "common/ShownRecipes.h"
#include "print/PrintSession.h"
#include "print/gui/PrintOutput.h"
#include "print/gui/TDruckdialog.h"
#include "ui/DialogServices.h"

// "&Drucken": the print dialog for the drink selected in the main list ("&Aktuelles Getränk", the
// toolbar button) or for drinks picked from the list ("&Mehrere Getränke"). Created on first use.
class PrintCommand {
public:
    explicit PrintCommand(const DialogServices& services);

    // Nothing happens with an empty list: there is no drink to print.
    void runCurrentDrink();
    void runSeveralDrinks();

    PrintSession session;
    PrintOutput output;
    TDruckdialog dialog;

private:
    QString settingsPath() const;
    void remember();

    ShownRecipes& m_recipes;
    const AppState& m_state;
};
