#include "editors/gui/IngredientListCommand.h"

#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "editors/ChoiceLists.h"

#include <QApplication>

IngredientListCommand::IngredientListCommand(const DialogServices& services)
    : session(services.tables.ApolloZutaten, services.tables.ApolloRezepte),
      editSession(services.tables.ApolloZutaten), editor(services.context, editSession, services.parent),
      dialog(services.context, session, editSession, editor, services.parent), m_main(services.main),
      m_recipes(services.recipes) {}

void IngredientListCommand::run() {
    dialog.exec();
    if (!session.changed())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_main.RefreshChoiceLists(ChoiceLists::Ingredients);
    QApplication::restoreOverrideCursor();
    m_recipes.ReloadCurrent();
}
