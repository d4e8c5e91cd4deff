#include "search/gui/SearchCommand.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "store/StoreError.h"
#include "ui/Meldungsfenster.h"
#include "ui/SoundPlayer.h"

#include <QApplication>

SearchCommand::SearchCommand(const DialogServices& services)
    : session(services.state), nameDialog(services.context, services.parent),
      dialog(services.context, session, nameDialog, services.parent), m_state(services.state),
      m_main(services.main), m_recipes(services.recipes), m_parent(services.parent),
      m_sound(*services.context.sound),
      m_search(session, services.tables.ApolloRezepte, services.recipes, *this) {
    QObject::connect(&dialog, &TSuchenDialog::ingredientInfoRequested, &dialog,
                     [this](const QList<ListEntry>& ingredients) { m_main.ShowIngredientList(ingredients); });
    // A table that cannot be read now shows no count; OK reports it.
    dialog.setCounter([this, &recipes = services.tables.ApolloRezepte]() -> std::optional<int> {
        try {
            return session.liveCount(recipes);
        } catch (const StoreError&) {
            return std::nullopt;
        }
    });
}

void SearchCommand::start() {
    m_search.start(m_state.catalogue.recipeTotal(), m_state.switches.debugInfo);
}

void SearchCommand::clear() {
    m_search.clear();
}

bool SearchCommand::runSearchDialog() {
    return dialog.exec() == QDialog::Accepted;
}

void SearchCommand::finishPainting() {
    if (m_parent)
        m_parent->repaint();
}

void SearchCommand::showExpression(const QString& expression) {
    Meldungsfenster::showPlain(expression, QStringLiteral("Suchkriterien"),
                               Meldungsfenster::Plain::Information);
}

void SearchCommand::playNoise(int number) {
    m_sound.PlaySound(SoundKind::Noise, number);
}

void SearchCommand::reportNoMatch() {
    Meldungsfenster::show(Notice::hint(MainSearch::noMatchNotice(), MainSearch::kNoMatchLines));
    m_recipes.ClearQuickSearch();
}

void SearchCommand::setClearSearchEnabled(bool enabled) {
    m_recipes.setCancelSearchEnabled(enabled);
}

void SearchCommand::setWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void SearchCommand::showFirst() {
    m_recipes.ShowFirst();
}
