#include "search/SearchCommand.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "ui/Meldungsfenster.h"
#include "ui/SoundBackend.h"

#include <QApplication>

SearchCommand::SearchCommand(const DialogServices& services)
    : session(services.context.state), nameDialog(services.context, services.parent),
      dialog(services.context, session, nameDialog, services.parent), m_state(services.context.state),
      m_main(services.main), m_parent(services.parent),
      m_search(session, services.tables.ApolloRezepte, *this) {}

void SearchCommand::start() {
    m_search.start(m_state.recipeTotal, m_state.switches.debugInfo);
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

void SearchCommand::FillRecipeList(bool homeBarOnly, const RecipeRecordTest& alsoKeep) {
    m_main.FillRecipeList(homeBarOnly, alsoKeep);
}

int SearchCommand::ListedCount() const {
    return m_main.ListedCount();
}

// The call site of `PlaySound` for noises: a noise plays while the wave output works, the main
// window has been shown and the option "Geräusche" is on.
void SearchCommand::playNoise(int number) {
    SoundBackend* sound = SoundBackend::current();
    if (!sound || !m_state.waveAvailable || !m_state.mainShown ||
        m_state.options.get(OptionsRecord::Noises) != 1)
        return;
    sound->enqueue(m_state.folders.soundFolder + QString::number(number) + QStringLiteral(".WAV"));
}

void SearchCommand::reportNoMatch() {
    Meldungsfenster::show(Notice::hint(MainSearch::noMatchNotice(), MainSearch::kNoMatchLines));
    m_main.ClearQuickSearch();
}

void SearchCommand::setClearSearchEnabled(bool enabled) {
    m_main.setCancelSearchEnabled(enabled);
}

void SearchCommand::setWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void SearchCommand::showFirst() {
    m_main.ShowFirst();
}
