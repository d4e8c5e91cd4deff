#include "app/ProgramCommands.h"

#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/TMain.h"
#include "assistants/HomeBarCommand.h"
#include "browser/BrowserController.h"
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
    t.add(QStringLiteral("Optionen"), [&dialogs] { dialogs.get<OptionsCommand>().run(); });
    t.add(QStringLiteral("Darstellung"),
          [&dialogs] { dialogs.get<OptionsCommand>().run(OptionsSession::Darstellung); });
    t.add(QStringLiteral("Schriftart"),
          [&dialogs] { dialogs.get<OptionsCommand>().run(OptionsSession::Schriftart); });
    t.add(QStringLiteral("Info"), [&dialogs] { dialogs.get<AboutCommand>().run(); });
}
