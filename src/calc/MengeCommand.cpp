#include "calc/MengeCommand.h"

#include "common/DataTables.h"
#include "common/MainWindowPort.h"

MengeCommand::MengeCommand(const DialogServices& services)
    : session(services.tables.ApolloRezepte, services.tables.ApolloZutaten),
      dialog(services.context, session, services.parent), m_main(services.main) {}

void MengeCommand::run() {
    if (session.begin(m_main.CurrentRecNo()))
        dialog.exec();
}
