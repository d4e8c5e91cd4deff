#include "app/ProgramCommands.h"

#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/TMain.h"
#include "assistants/CocktailCommand.h"
#include "assistants/HomeBarCommand.h"
#include "assistants/ShoppingCommand.h"
#include "browser/BrowserController.h"
#include "calc/MengeCommand.h"
#include "calc/PromilleCommand.h"
#include "maint/RecipeCommands.h"
#include "print/PrintCommand.h"
#include "search/SearchCommand.h"
#include "ui/AboutCommand.h"
#include "ui/HelpWindow.h"
#include "ui/OptionsCommand.h"

void ProgramCommands::registerAll(CommandTable& t, DialogHost& dialogs, TMain& main) {
    BrowserController& browser = *main.browser;
    t.add(QStringLiteral("Beenden"), [&main] { main.close(); });
    t.add(QStringLiteral("Index"), [&main] { main.help().showContents(); });
    t.add(QStringLiteral("MarkAktuell"), [&browser] { browser.ToggleMark(); });
    t.add(QStringLiteral("MarkAlle"), [&browser] { browser.MarkAllListed(); });
    t.add(QStringLiteral("MarkAufheben"), [&browser] { browser.ClearAllMarks(); });
    t.add(QStringLiteral("Hausbar"), [&dialogs] { dialogs.get<HomeBarCommand>().run(); });
    t.add(QStringLiteral("SucheAn"), [&dialogs] { dialogs.get<SearchCommand>().start(); });
    t.add(QStringLiteral("SucheAus"), [&dialogs] { dialogs.get<SearchCommand>().clear(); });
    t.add(QStringLiteral("RezeptNeu"), [&dialogs] { dialogs.get<RecipeCommands>().runNew(); });
    t.add(QStringLiteral("RezeptBearbeiten"), [&dialogs] { dialogs.get<RecipeCommands>().runEdit(); });
    t.add(QStringLiteral("ListeRezepte"), [&dialogs] { dialogs.get<RecipeCommands>().runList(); });
    t.add(QStringLiteral("Menge"), [&dialogs] { dialogs.get<MengeCommand>().run(); });
    t.add(QStringLiteral("Promille"), [&dialogs] { dialogs.get<PromilleCommand>().run(); });
    t.add(QStringLiteral("Einkauf"), [&dialogs] { dialogs.get<ShoppingCommand>().run(); });
    t.add(QStringLiteral("Assistent"), [&dialogs] { dialogs.get<CocktailCommand>().run(); });
    t.add(QStringLiteral("DruckenAktuell"), [&dialogs] { dialogs.get<PrintCommand>().runCurrentDrink(); });
    t.add(QStringLiteral("DruckenMehrere"), [&dialogs] { dialogs.get<PrintCommand>().runSeveralDrinks(); });
    t.add(QStringLiteral("Optionen"), [&dialogs] { dialogs.get<OptionsCommand>().run(); });
    t.add(QStringLiteral("Darstellung"),
          [&dialogs] { dialogs.get<OptionsCommand>().run(OptionsSession::Darstellung); });
    t.add(QStringLiteral("Schriftart"),
          [&dialogs] { dialogs.get<OptionsCommand>().run(OptionsSession::Schriftart); });
    t.add(QStringLiteral("Info"), [&dialogs] { dialogs.get<AboutCommand>().run(); });
}
