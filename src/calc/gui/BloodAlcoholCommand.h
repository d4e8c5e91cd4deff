#pragma once

#include "calc/BloodAlcoholSession.h"
#include "calc/gui/TBlutdialog.h"
#include "ui/DialogServices.h"

// "&Promilleassistent": estimates the blood alcohol from drinks, weight and time; changes nothing
// stored. Weight, time and unit keep what the user entered until the program ends.
class BloodAlcoholCommand {
public:
    explicit BloodAlcoholCommand(const DialogServices& services);

    void run();

    BloodAlcoholSession session;
    TBlutdialog dialog;
};
