#include "reference/gui/RecipeIngredientsCommand.h"

#include "common/DataTables.h"
#include "common/MainWindowPort.h"

RecipeIngredientsCommand::RecipeIngredientsCommand(const DialogServices& services)
    : session(services.tables.ApolloRezepte, services.tables.ApolloZutaten),
      dialog(services.context, session, services.parent), m_recipes(services.recipes) {}

void RecipeIngredientsCommand::run() {
    const int recNo = m_recipes.CurrentRecNo();
    if (recNo <= 0)
        return;
    session.begin(recNo);
    dialog.exec();
}

void RecipeIngredientsCommand::showList(const QList<ListEntry>& ingredients) {
    session.beginWith(ingredients);
    dialog.exec();
}
