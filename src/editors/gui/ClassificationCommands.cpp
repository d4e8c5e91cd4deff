#include "editors/gui/ClassificationCommands.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "editors/ChoiceLists.h"
#include "store/AtomicFile.h"
#include "store/ListsFile.h"
#include "ui/Meldungsfenster.h"

ClassificationCommands::ClassificationCommands(const DialogServices& services)
    : names(services.context, services.parent), decorationEditor(services.context, services.parent),
      categorySession(ClassificationTexts::Categories, services.context.state.categoryList,
                      services.tables.ApolloRezepte),
      tasteSession(ClassificationTexts::Tastes, services.context.state.tasteList,
                   services.tables.ApolloRezepte),
      decorationSession(services.tables.ApolloDeko, services.tables.ApolloRezepte),
      categories(services.context, categorySession, names, services.parent),
      tastes(services.context, tasteSession, names, services.parent),
      decorations(services.context, decorationSession, decorationEditor, services.parent),
      m_state(services.context.state), m_main(services.main), m_recipes(services.recipes) {}

void ClassificationCommands::runCategories() {
    const QStringList before = m_state.categoryList;
    categories.exec();
    afterLists(ChoiceLists::Categories, categorySession.changed(), &m_state.categoryList, before);
}

void ClassificationCommands::runTastes() {
    const QStringList before = m_state.tasteList;
    tastes.exec();
    afterLists(ChoiceLists::Tastes, tasteSession.changed(), &m_state.tasteList, before);
}

void ClassificationCommands::runDecorations() {
    decorationSession.setEntries(ChoiceLists::decorationChoices(m_state.decorations).mid(1));
    decorations.exec();
    afterLists(ChoiceLists::Decorations, decorationSession.changed(), nullptr, {});
}

// `SaveLists` for categories and tastes, then the choices of that kind and the recipe shown,
// whose names may have changed. When the lists file cannot be written, the list goes back to what
// the file holds, so that no drink is filed under an entry that is not there.
void ClassificationCommands::afterLists(int kind, bool changed, QStringList* list,
                                        const QStringList& before) {
    if (!changed)
        return;
    QString reason;
    if (list && !ListsFile::save(m_state.listsPath(), m_state.categoryList, m_state.tasteList, &reason)) {
        *list = before;
        Meldungsfenster::show(Notice::error(AtomicFile::failureText(m_state.listsPath(), reason), 3));
    }
    m_main.RefreshChoiceLists(kind);
    m_recipes.ReloadCurrent();
}
