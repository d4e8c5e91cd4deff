#include "calc/gui/QuantityCommand.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"

QuantityCommand::QuantityCommand(const DialogServices& services)
    : session(services.tables.ApolloRezepte, services.tables.ApolloZutaten),
      dialog(services.context, session, services.parent),
      party(services.state, services.tables.ApolloRezepte, services.tables.ApolloZutaten),
      partyDialog(services.context, party, &dialog), m_state(services.state), m_recipes(services.recipes) {
    QObject::connect(&dialog, &TMengeDialog::partyRequested, &partyDialog, [this] { partyDialog.exec(); });
}

void QuantityCommand::run() {
    session.setDashesPerCl(int(m_state.settings.options().get(OptionsRecord::DashesPerCl)));
    session.setShownUnit(m_state.settings.shownUnit());
    if (session.begin(m_recipes.CurrentRecNo()))
        dialog.exec();
}
