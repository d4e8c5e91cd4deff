#include "calc/PromilleCommand.h"

#include "common/DataTables.h"

PromilleCommand::PromilleCommand(const DialogServices& services)
    : session(services.context.state, services.tables.ApolloRezepte, services.tables.ApolloZutaten),
      dialog(services.context, session, services.parent) {}

void PromilleCommand::run() {
    dialog.exec();
}
