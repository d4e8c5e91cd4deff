#include "editors/gui/ClassificationCommands.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "editors/ChoiceLists.h"
#include "store/AtomicFile.h"
#include "store/ListsFile.h"
#include "ui/Meldungsfenster.h"
#include "ui/StoreGuard.h"

ClassificationCommands::ClassificationCommands(const DialogServices& services)
    : names(services.context, services.parent), decorationEditor(services.context, services.parent),
      categorySession(ClassificationTexts::Categories, m_categories, services.tables.ApolloRezepte),
      tasteSession(ClassificationTexts::Tastes, m_tastes, services.tables.ApolloRezepte),
      decorationSession(services.tables.ApolloDeko, services.tables.ApolloRezepte),
      categories(services.context, categorySession, names, services.parent),
      tastes(services.context, tasteSession, names, services.parent),
      decorations(services.context, decorationSession, decorationEditor, services.parent),
      m_state(services.state), m_tables(services.tables), m_recipes(services.recipes) {
    takeLists();
    for (ReadOnlyGate* session :
         std::initializer_list<ReadOnlyGate*>{&categorySession, &tasteSession, &decorationSession})
        session->setRunFlags(&services.state.run);
}

void ClassificationCommands::takeLists() {
    m_categories = m_state.catalogue.categories();
    m_tastes = m_state.catalogue.tastes();
}

void ClassificationCommands::runCategories() {
    takeLists();
    categories.exec();
    afterLists(categorySession.changed());
}

void ClassificationCommands::runTastes() {
    takeLists();
    tastes.exec();
    afterLists(tasteSession.changed());
}

void ClassificationCommands::runDecorations() {
    decorationSession.setEntries(ChoiceLists::decorationChoices(m_state.catalogue.decorations()).mid(1));
    decorations.exec();
    if (!decorationSession.changed())
        return;
    StoreGuard::run([this] { m_state.catalogue.reload(Catalogue::Decorations, m_tables); });
    m_recipes.ReloadCurrent();
}

// `SaveLists` for categories and tastes, then the recipe shown, whose names may have changed. When
// the lists file cannot be written, the catalogue keeps what the file holds, so that no drink is
// filed under an entry that is not there.
void ClassificationCommands::afterLists(bool changed) {
    if (!changed)
        return;
    QString reason;
    if (ListsFile::save(m_state.listsPath(), m_categories, m_tastes, &reason))
        m_state.catalogue.setLists(m_categories, m_tastes);
    else
        Meldungsfenster::show(Notice::error(AtomicFile::failureText(m_state.listsPath(), reason), 3));
    m_recipes.ReloadCurrent();
}
