#include "print/PrintCommand.h"

#include "common/MainWindowPort.h"

PrintCommand::PrintCommand(const DialogServices& services)
    : session(services.context.state, services.tables), output(services.context, session, nullptr),
      dialog(services.context, session, output, services.parent), m_main(services.main) {
    output.setParent(&dialog); // its questions and windows open over the dialog
}

void PrintCommand::runCurrentDrink() {
    const QList<ListEntry> listed = m_main.ListedRecipes();
    const int row = m_main.SelectedRow();
    if (row < 0 || row >= listed.size())
        return;
    session.countText = m_main.CountText();
    session.startSingleDrink(listed.at(row));
    dialog.exec();
}

void PrintCommand::runSeveralDrinks() {
    session.countText = m_main.CountText();
    session.startSeveralDrinks(m_main.ListedRecipes());
    dialog.exec();
}
