#include "print/gui/PrintCommand.h"

#include "common/AppState.h"
#include "common/MainWindowPort.h"
#include "print/PrintSettingsFile.h"
#include "store/AtomicFile.h"
#include "store/FolderLookup.h"
#include "ui/Meldungsfenster.h"

PrintCommand::PrintCommand(const DialogServices& services)
    : session(services.state, services.tables), output(services.context, session, nullptr),
      dialog(services.context, session, output, services.parent), m_recipes(services.recipes),
      m_state(services.state) {
    output.setParent(&dialog); // its questions and windows open over the dialog
    PrintSettingsFile::load(settingsPath(), &session.settings, &session.fonts);
}

QString PrintCommand::settingsPath() const {
    return FolderLookup::find(m_state.folders.dataFolder, PrintSettingsFile::fileName());
}

// What the dialog was left with is what the next run starts with.
void PrintCommand::remember() {
    if (m_state.run.readOnly)
        return;
    QString reason;
    if (!PrintSettingsFile::save(settingsPath(), session.settings, session.fonts, &reason))
        Meldungsfenster::show(Notice::error(AtomicFile::failureText(settingsPath(), reason), 3));
}

void PrintCommand::runCurrentDrink() {
    const QList<ListEntry> listed = m_recipes.ListedRecipes();
    const int row = m_recipes.SelectedRow();
    if (row < 0 || row >= listed.size())
        return;
    session.countText = m_recipes.CountText();
    session.startSingleDrink(listed.at(row));
    dialog.exec();
    remember();
}

void PrintCommand::runSeveralDrinks() {
    session.countText = m_recipes.CountText();
    session.startSeveralDrinks(m_recipes.ListedRecipes());
    dialog.exec();
    remember();
}
