#include "assistants/gui/CocktailCommand.h"

#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "ui/Meldungsfenster.h"

CocktailCommand::CocktailCommand(const DialogServices& services)
    : session(services.tables.ApolloRezepte), dialog(services.context, session, services.parent),
      m_main(services.main), m_recipes(services.recipes), m_parent(services.parent) {}

void CocktailCommand::run() {
    m_main.NeutralPhoto(true);
    const bool started = dialog.exec() == QDialog::Accepted;
    m_main.NeutralPhoto(false);
    if (started)
        start();
}

void CocktailCommand::start() {
    if (m_parent)
        m_parent->repaint();
    const Result result = session.start([this] { m_recipes.FillRecipeList(false); });
    if (!result) {
        Meldungsfenster::show(result.notice());
        return;
    }
    m_recipes.ReloadCurrent();
    dialog.playSound(CocktailSession::Noise, CocktailSession::kListedSound);
}
