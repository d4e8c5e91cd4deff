#pragma once

#include "assistants/HomeBarSession.h"
#include "assistants/gui/THausbardialog.h"
#include "common/ShownRecipes.h"
#include "ui/DialogServices.h"

// "&Hausbar einrichten": the home bar session and its dialog, created once on first use. Shows the
// dialog, then stores or discards what was changed.
class HomeBarCommand {
public:
    explicit HomeBarCommand(const DialogServices& services);

    void run();
    // What closing the dialog does, shown to the user when refused.
    void finish(bool accepted);

    HomeBarSession session;
    THausbardialog dialog;

private:
    MainWindowPort& m_main;
    ShownRecipes& m_recipes;
};
