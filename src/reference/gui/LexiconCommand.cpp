#include "reference/gui/LexiconCommand.h"

#include "common/DataTables.h"

LexiconCommand::LexiconCommand(const DialogServices& services)
    : session(services.state, services.tables.ApolloLex, services.tables.ApolloZutaten,
              services.tables.ApolloDeko),
      dialog(services.context, session, services.parent) {}

void LexiconCommand::run() {
    dialog.exec();
}
