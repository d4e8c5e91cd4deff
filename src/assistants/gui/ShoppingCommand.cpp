#include "assistants/gui/ShoppingCommand.h"

#include "assistants/gui/THausbardialog.h"
#include "assistants/gui/WindowShowing.h"
#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"

ShoppingCommand::ShoppingCommand(const DialogServices& services)
    : session(services.state, {services.tables.ApolloRezepte, services.tables.ApolloZutaten}),
      dialog(services.context, session, services.parent), m_main(services.main) {
    dialog.setHomeBarShowing(&windowShowing<THausbardialog>);
    QObject::connect(&dialog, &TEinkaufDialog::homeBarRequested, &dialog,
                     [this] { m_main.RunCommand(QStringLiteral("Hausbar")); });
    QObject::connect(&dialog, &TEinkaufDialog::nearMissesRequested, &dialog,
                     [this] { m_main.RunCommand(QStringLiteral("FastMixbar")); });
}

void ShoppingCommand::run() {
    m_main.NeutralPhoto(true);
    dialog.exec();
    m_main.NeutralPhoto(false);
}
