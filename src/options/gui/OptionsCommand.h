#pragma once

#include "options/OptionsSession.h"
#include "options/gui/TOptionenDialog.h"
#include "ui/DialogServices.h"

// "&Optionen" and the recipe view's "Darstellung" and "Schriftart": the options session and its
// dialog. After OK the main window takes the new options at once, and the music follows its option.
class OptionsCommand {
public:
    explicit OptionsCommand(const DialogServices& services);

    // Shows the dialog on the page last shown, or on the given page.
    void run(int page = -1);

    OptionsSession session;
    TOptionenDialog dialog;

private:
    UiContext m_context;
    MainWindowPort& m_main;
};
