#include "calc/MengeCommand.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"

MengeCommand::MengeCommand(const DialogServices& services)
    : session(services.tables.ApolloRezepte, services.tables.ApolloZutaten),
      dialog(services.context, session, services.parent),
      party(services.context.state, services.tables.ApolloRezepte, services.tables.ApolloZutaten),
      partyDialog(services.context, party, &dialog), m_main(services.main) {
    QObject::connect(&dialog, &TMengeDialog::partyRequested, &partyDialog, [this] { partyDialog.exec(); });
}

void MengeCommand::run() {
    if (session.begin(m_main.CurrentRecNo()))
        dialog.exec();
}
