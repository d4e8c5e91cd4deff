#include "maint/ClassificationCommands.h"

#include "common/AppState.h"
#include "common/DataTables.h"
#include "common/MainWindowPort.h"
#include "maint/ChoiceLists.h"
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
      m_state(services.context.state), m_main(services.main) {}

void ClassificationCommands::runCategories() {
    categories.exec();
    afterLists(ChoiceLists::Categories, categorySession.changed());
}

void ClassificationCommands::runTastes() {
    tastes.exec();
    afterLists(ChoiceLists::Tastes, tasteSession.changed());
}

void ClassificationCommands::runDecorations() {
    decorationSession.setEntries(ChoiceLists::decorationChoices(m_state.decorations).mid(1));
    decorations.exec();
    afterLists(ChoiceLists::Decorations, decorationSession.changed());
}

// `SaveLists` for categories and tastes, then the choices of that kind and the recipe shown,
// whose names may have changed.
void ClassificationCommands::afterLists(int kind, bool changed) {
    if (!changed)
        return;
    if (kind != ChoiceLists::Decorations &&
        !ListsFile::save(m_state.listsPath(), m_state.categoryList, m_state.tasteList))
        Meldungsfenster::show(Notice::error(
            QStringLiteral(
                "Die Liste der Kategorien und Geschmacksrichtungen konnte nicht gespeichert werden:\r") +
                m_state.listsPath(),
            2));
    m_main.RefreshChoiceLists(kind);
    m_main.ReloadCurrent();
}
