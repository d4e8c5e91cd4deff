#include "exchange/gui/JsonLdExportCommand.h"

#include "common/MainWindowPort.h"
#include "exchange/JsonLdExport.h"
#include "exchange/gui/JsonLdFileDialog.h"
#include "ui/Meldungsfenster.h"
#include "ui/TWartenDialog.h"
#include "ui/WaitScope.h"

JsonLdExportCommand::JsonLdExportCommand(const DialogServices& services)
    : session(services.state, services.tables), dialog(services.context, session, services.parent),
      m_context(services.context), m_recipes(services.recipes), m_parent(services.parent) {}

void JsonLdExportCommand::run(const QList<int>& printSelection) {
    const QList<ListEntry> listed = m_recipes.ListedRecipes();
    const int row = m_recipes.SelectedRow();
    session.begin(row >= 0 && row < listed.size() ? listed.at(row) : ListEntry{}, printSelection);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = JsonLdFileDialog::askSave(&dialog);
    if (path.isEmpty())
        return;
    Notice done;
    {
        TWartenDialog window(m_context, m_parent);
        WaitScope wait(window, JsonLdExport::waitText());
        done = session.write(path, wait.progressOf());
    }
    Meldungsfenster::show(done);
}
