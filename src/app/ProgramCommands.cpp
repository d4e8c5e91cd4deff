#include "app/ProgramCommands.h"

#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/TMain.h"
#include "assistants/HomeBarCommand.h"
#include "browser/BrowserController.h"
#include "maint/ClassificationCommands.h"
#include "maint/IngredientListCommand.h"
#include "maint/RecipeCommands.h"
#include "ui/HelpWindow.h"

void ProgramCommands::registerAll(CommandTable& t, DialogHost& dialogs, TMain& main) {
    BrowserController& browser = *main.browser;
    t.add(QStringLiteral("Beenden"), [&main] { main.close(); });
    t.add(QStringLiteral("Index"), [&main] { main.help().showContents(); });
    t.add(QStringLiteral("MarkAktuell"), [&browser] { browser.ToggleMark(); });
    t.add(QStringLiteral("MarkAlle"), [&browser] { browser.MarkAllListed(); });
    t.add(QStringLiteral("MarkAufheben"), [&browser] { browser.ClearAllMarks(); });
    t.add(QStringLiteral("Hausbar"), [&dialogs] { dialogs.get<HomeBarCommand>().run(); });
    t.add(QStringLiteral("RezeptNeu"), [&dialogs] { dialogs.get<RecipeCommands>().runNew(); });
    t.add(QStringLiteral("RezeptBearbeiten"), [&dialogs] { dialogs.get<RecipeCommands>().runEdit(); });
    t.add(QStringLiteral("ListeRezepte"), [&dialogs] { dialogs.get<RecipeCommands>().runList(); });
    t.add(QStringLiteral("ListeZutaten"), [&dialogs] { dialogs.get<IngredientListCommand>().run(); });
    t.add(QStringLiteral("ListeKategorie"),
          [&dialogs] { dialogs.get<ClassificationCommands>().runCategories(); });
    t.add(QStringLiteral("ListeGeschmack"),
          [&dialogs] { dialogs.get<ClassificationCommands>().runTastes(); });
    t.add(QStringLiteral("ListeDekoration"),
          [&dialogs] { dialogs.get<ClassificationCommands>().runDecorations(); });
}
