#include "reference/gui/IngredientInfoCommand.h"

#include "common/DataTables.h"

IngredientInfoCommand::IngredientInfoCommand(const DialogServices& services)
    : dialog(services.context, services.parent), m_ingredients(services.tables.ApolloZutaten) {}

void IngredientInfoCommand::show(int number) {
    const std::optional<IngredientFacts> info = IngredientFacts::read(m_ingredients, number);
    if (!info)
        return;
    dialog.setInfo(*info);
    dialog.exec();
}
