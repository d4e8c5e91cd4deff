#include "editors/gui/IngredientListCommand.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "ui/StoreGuard.h"

#include <QApplication>

IngredientListCommand::IngredientListCommand(const DialogServices& services)
    : session(services.tables.ApolloZutaten, services.tables.ApolloRezepte),
      editSession(services.tables.ApolloZutaten), editor(services.context, editSession, services.parent),
      dialog(services.context, session, editSession, editor, services.parent),
      m_catalogue(services.state.catalogue), m_tables(services.tables), m_recipes(services.recipes) {
    session.setRunFlags(&services.state.run);
}

void IngredientListCommand::run() {
    dialog.exec();
    if (!session.changed())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StoreGuard::run([this] { m_catalogue.reload(Catalogue::Ingredients, m_tables); });
    QApplication::restoreOverrideCursor();
    m_recipes.ReloadCurrent();
}
