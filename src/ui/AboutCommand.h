#pragma once

#include "ui/DialogServices.h"
#include "ui/TAboutDialog.h"

// "&Info über...": the about box, shown modally with the recipe photo made neutral meanwhile.
class AboutCommand {
public:
    explicit AboutCommand(const DialogServices& services);

    void run();

    TAboutDialog dialog;

private:
    MainWindowPort& m_main;
};
