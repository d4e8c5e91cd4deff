#include "exchange/gui/JsonLdExportCommand.h"

#include "common/MainWindowPort.h"
#include "exchange/gui/JsonLdFileDialog.h"
#include "ui/Meldungsfenster.h"

JsonLdExportCommand::JsonLdExportCommand(const DialogServices& services)
    : session(services.state, services.tables), dialog(services.context, session, services.parent),
      m_recipes(services.recipes) {}

void JsonLdExportCommand::run(const QList<int>& printSelection) {
    const QList<ListEntry> listed = m_recipes.ListedRecipes();
    const int row = m_recipes.SelectedRow();
    session.begin(row >= 0 && row < listed.size() ? listed.at(row) : ListEntry{}, printSelection);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = JsonLdFileDialog::askSave(&dialog);
    if (path.isEmpty())
        return;
    Meldungsfenster::show(session.write(path));
}
