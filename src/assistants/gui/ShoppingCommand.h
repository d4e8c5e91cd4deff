#pragma once

#include "assistants/ShoppingSession.h"
#include "assistants/gui/TEinkaufDialog.h"
#include "ui/DialogServices.h"

// "&Einkaufsassistent": the shopping session and its dialog, created once on first use. Shows the
// dialog; nothing is stored.
class ShoppingCommand {
public:
    explicit ShoppingCommand(const DialogServices& services);

    void run();

    ShoppingSession session;
    TEinkaufDialog dialog;

private:
    MainWindowPort& m_main;
};
