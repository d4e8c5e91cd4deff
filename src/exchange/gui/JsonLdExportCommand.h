#pragma once

#include "common/ShownRecipes.h"
#include "exchange/JsonLdExportSession.h"
#include "exchange/gui/JsonLdExportDialog.h"
#include "ui/DialogServices.h"

// "Exportieren als JSON-LD": the choice of drinks, the file, the export (with the wait window: the
// photos of all drinks take some seconds) and its report.
class JsonLdExportCommand {
public:
    explicit JsonLdExportCommand(const DialogServices& services);

    // printSelection: the drinks chosen in the print dialog, by record number.
    void run(const QList<int>& printSelection);

    JsonLdExportSession session;
    JsonLdExportDialog dialog;

private:
    UiContext m_context;
    ShownRecipes& m_recipes;
    QWidget* m_parent;
};
