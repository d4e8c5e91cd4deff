#pragma once

#include "common/ShownRecipes.h"
#include "ui/DialogServices.h"

#include <QString>

// "&Import aus Version 1" and "&Rezept-Updates": the folder chooser, then the import; an import
// that added data ends the program so that it starts on the extended data. "JSON-LD &importieren":
// the file, the import, and the main list refilled with the new recipes.
class ImportCommands {
public:
    explicit ImportCommands(const DialogServices& services);

    void runVersion1();
    void runUpdates();
    void runJsonLd();

    // The folder the chooser's tree shows selected when it opens.
    QString startFolder;

private:
    void reopenTables();
    // The tables are closed while work replaces their files, and open again afterwards.
    template <class Work> auto withTablesClosed(Work work);

    UiContext m_context;
    AppState& m_state;
    DataTables& m_tables;
    MainWindowPort& m_main;
    ShownRecipes& m_recipes;
    QWidget* m_parent;
};
