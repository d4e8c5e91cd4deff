#include "assistants/gui/JournalCommand.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "common/ShownRecipes.h"
#include "ui/StoreGuard.h"

JournalCommand::JournalCommand(const DialogServices& services)
    : session(services.state.myDrinks, services.tables.ApolloRezepte),
      dialog(services.context, session, services.parent), m_main(services.main), m_recipes(services.recipes) {
}

void JournalCommand::run() {
    if (!StoreGuard::run([&] { session.begin(); }))
        return;
    if (dialog.exec() != QDialog::Accepted || dialog.chosenRecNo() <= 0)
        return;
    if (!m_recipes.ShowRecipe(dialog.chosenRecNo())) {
        m_main.RunCommand(QStringLiteral("SucheAus"));
        m_recipes.ShowRecipe(dialog.chosenRecNo());
    }
}
