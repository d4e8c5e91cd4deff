#include "browser/gui/SimilarDrinksCommand.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "common/ShownRecipes.h"
#include "ui/StoreGuard.h"

SimilarDrinksCommand::SimilarDrinksCommand(const DialogServices& services)
    : session(services.tables.ApolloRezepte, services.tables.ApolloZutaten),
      dialog(services.context, session, services.parent), m_state(services.state), m_main(services.main),
      m_recipes(services.recipes) {}

void SimilarDrinksCommand::run() {
    const int recNo = m_recipes.CurrentRecNo();
    if (recNo <= 0)
        return;
    if (!StoreGuard::run([&] { session.begin(recNo, m_state.settings.bar().basics); }))
        return;
    if (dialog.exec() != QDialog::Accepted || dialog.chosenRecNo() <= 0)
        return;
    if (!m_recipes.ShowRecipe(dialog.chosenRecNo())) {
        m_main.RunCommand(QStringLiteral("SucheAus"));
        m_recipes.ShowRecipe(dialog.chosenRecNo());
    }
}
