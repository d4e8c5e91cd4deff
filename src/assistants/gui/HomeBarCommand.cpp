#include "assistants/gui/HomeBarCommand.h"

#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "ui/Meldungsfenster.h"
#include "ui/StoreGuard.h"

HomeBarCommand::HomeBarCommand(const DialogServices& services)
    : session(services.state, services.tables.ApolloZutaten),
      dialog(services.context, session, services.parent), m_main(services.main), m_recipes(services.recipes) {
    QObject::connect(&dialog, &THausbardialog::shoppingRequested, &dialog,
                     [this] { m_main.RunCommand(QStringLiteral("Einkauf")); });
    QObject::connect(&dialog, &THausbardialog::nearMissesRequested, &dialog,
                     [this] { m_main.RunCommand(QStringLiteral("FastMixbar")); });
    QObject::connect(&dialog, &THausbardialog::ingredientInfoRequested, &dialog,
                     [this](int number) { m_main.ShowIngredientInfo(number); });
}

void HomeBarCommand::run() {
    finish(dialog.exec() == QDialog::Accepted);
}

void HomeBarCommand::finish(bool accepted) {
    StoreGuard::run([&] {
        const Result result = session.finish(accepted);
        if (!result)
            Meldungsfenster::show(result.notice());
    });
    // The recipe shown marks what is missing from the bar under the settings now in use.
    if (accepted)
        m_recipes.ReloadCurrent();
}
