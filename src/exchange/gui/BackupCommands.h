#pragma once

#include "common/ShownRecipes.h"
#include "exchange/BackupSession.h"
#include "ui/DialogServices.h"

#include <QString>

class TImportDialog;

// "Aktuelle Daten &sichern" and "Gesicherte Daten &einlesen": each creates the folder chooser for
// its run, then backs up or restores; a completed restore ends the program.
class BackupCommands {
public:
    explicit BackupCommands(const DialogServices& services);

    void runBackup();
    void runRestore();
    void runUndoRestore();

    BackupSession session;
    // The folder the chooser's tree shows selected when it opens.
    QString startFolder;

private:
    bool choose(TImportDialog& dialog);

    UiContext m_context;
    MainWindowPort& m_main;
    ShownRecipes& m_recipes;
    QWidget* m_parent;
};
