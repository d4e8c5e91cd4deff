#include "assistants/gui/NearMissCommand.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "common/ShownRecipes.h"
#include "ui/StoreGuard.h"

NearMissCommand::NearMissCommand(const DialogServices& services)
    : session(services.state, services.tables.ApolloRezepte),
      dialog(services.context, session, services.parent), m_state(services.state), m_main(services.main),
      m_recipes(services.recipes) {}

void NearMissCommand::run() {
    if (!StoreGuard::run([&] { session.begin(m_state.settings.options().get(OptionsRecord::HomeBar)); }))
        return;
    if (dialog.exec() != QDialog::Accepted || dialog.chosenRecNo() <= 0)
        return;
    if (!m_recipes.ShowRecipe(dialog.chosenRecNo())) {
        m_main.RunCommand(QStringLiteral("SucheAus"));
        m_recipes.ShowRecipe(dialog.chosenRecNo());
    }
}
