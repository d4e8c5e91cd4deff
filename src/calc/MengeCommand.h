#pragma once

#include "calc/QuantitySession.h"
#include "calc/TMengeDialog.h"
#include "ui/DialogServices.h"

// "&Menge berechnen": scales the recipe the main window shows; changes nothing stored.
class MengeCommand {
public:
    explicit MengeCommand(const DialogServices& services);

    // Does nothing while no recipe is shown.
    void run();

    QuantitySession session;
    TMengeDialog dialog;

private:
    MainWindowPort& m_main;
};
