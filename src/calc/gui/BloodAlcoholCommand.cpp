#include "calc/gui/BloodAlcoholCommand.h"

#include "common/DataTables.h"

BloodAlcoholCommand::BloodAlcoholCommand(const DialogServices& services)
    : session(services.state, services.tables.ApolloRezepte, services.tables.ApolloZutaten),
      dialog(services.context, session, services.parent) {}

void BloodAlcoholCommand::run() {
    dialog.exec();
}
