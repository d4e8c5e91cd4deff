#include "app/ProgramCommands.h"

#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/TMain.h"
#include "assistants/gui/CocktailCommand.h"
#include "assistants/gui/HomeBarCommand.h"
#include "assistants/gui/JournalCommand.h"
#include "assistants/gui/NearMissCommand.h"
#include "assistants/gui/ShoppingCommand.h"
#include "browser/gui/BrowserController.h"
#include "browser/gui/ClientFrame.h"
#include "browser/gui/MyDrinksCommand.h"
#include "browser/gui/RecipePhoto.h"
#include "browser/gui/SimilarDrinksCommand.h"
#include "calc/gui/BloodAlcoholCommand.h"
#include "calc/gui/QuantityCommand.h"
#include "editors/gui/ClassificationCommands.h"
#include "editors/gui/IngredientListCommand.h"
#include "editors/gui/RecipeCommands.h"
#include "exchange/gui/BackupCommands.h"
#include "exchange/gui/ImportCommands.h"
#include "exchange/gui/JsonLdExportCommand.h"
#include "options/gui/OptionsCommand.h"
#include "print/gui/ListPrintCommand.h"
#include "print/gui/PrintCommand.h"
#include "reference/gui/IngredientInfoCommand.h"
#include "reference/gui/LexiconCommand.h"
#include "reference/gui/LexiconInfoCommand.h"
#include "reference/gui/RecipeIngredientsCommand.h"
#include "search/gui/SearchCommand.h"
#include "ui/AboutCommand.h"
#include "ui/HelpWindow.h"
#include "ui/StoreGuard.h"

namespace {

// While a reference window is open the main window's photo is the neutral one.
class NeutralPhoto {
public:
    explicit NeutralPhoto(TMain& main) : m_photo(*main.FotoImage) { m_photo.NeutralPhoto(true); }
    ~NeutralPhoto() { m_photo.NeutralPhoto(false); }
    NeutralPhoto(const NeutralPhoto&) = delete;
    NeutralPhoto& operator=(const NeutralPhoto&) = delete;

private:
    RecipePhoto& m_photo;
};

// The recipe view's category, decoration and lexicon words open the lexicon info window; its
// ingredients, like the home bar's and the search's "&Info", the ingredient info.
void connectReferenceClicks(DialogHost& dialogs, TMain& main) {
    BrowserController& browser = *main.browser;
    QObject::connect(&browser, &BrowserController::lexiconTermClicked, &main, [&dialogs, &main](int recNo) {
        StoreGuard::run([&] {
            const NeutralPhoto neutral(main);
            dialogs.get<LexiconInfoCommand>().showTerm(recNo);
        });
    });
    QObject::connect(&browser, &BrowserController::decorationClicked, &main, [&dialogs, &main](int recNo) {
        StoreGuard::run([&] {
            const NeutralPhoto neutral(main);
            dialogs.get<LexiconInfoCommand>().showDecoration(recNo);
        });
    });
    QObject::connect(&main, &TMain::ingredientInfoRequested, &main, [&dialogs](int number) {
        StoreGuard::run([&] { dialogs.get<IngredientInfoCommand>().show(number); });
    });
    QObject::connect(&main, &TMain::ingredientListRequested, &main, [&dialogs](const QList<ListEntry>& list) {
        StoreGuard::run([&] { dialogs.get<RecipeIngredientsCommand>().showList(list); });
    });
}

} // namespace

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
    t.add(QStringLiteral("Menge"), [&dialogs] {
        QuantityCommand& menge = dialogs.get<QuantityCommand>();
        // The party planner prints its shopping list through the print path.
        menge.partyDialog.setListPrinter([&dialogs](const QStringList& lines, QWidget* parent) {
            dialogs.get<ListPrintCommand>().print(lines, parent);
        });
        menge.run();
    });
    t.add(QStringLiteral("Promille"), [&dialogs] { dialogs.get<BloodAlcoholCommand>().run(); });
    t.add(QStringLiteral("Einkauf"), [&dialogs] { dialogs.get<ShoppingCommand>().run(); });
    t.add(QStringLiteral("FastMixbar"), [&dialogs] { dialogs.get<NearMissCommand>().run(); });
    t.add(QStringLiteral("Assistent"), [&dialogs] { dialogs.get<CocktailCommand>().run(); });
    t.add(QStringLiteral("DruckenAktuell"), [&dialogs] { dialogs.get<PrintCommand>().runCurrentDrink(); });
    t.add(QStringLiteral("DruckenMehrere"), [&dialogs] { dialogs.get<PrintCommand>().runSeveralDrinks(); });
    t.add(QStringLiteral("Optionen"), [&dialogs] { dialogs.get<OptionsCommand>().run(); });
    t.add(QStringLiteral("Darstellung"),
          [&dialogs] { dialogs.get<OptionsCommand>().run(OptionsSession::Darstellung); });
    t.add(QStringLiteral("Schriftart"),
          [&dialogs] { dialogs.get<OptionsCommand>().run(OptionsSession::Schriftart); });
    t.add(QStringLiteral("Info"), [&dialogs] { dialogs.get<AboutCommand>().run(); });
    t.add(QStringLiteral("Lexikon"), [&dialogs, &main] {
        const NeutralPhoto neutral(main);
        dialogs.get<LexiconCommand>().run();
    });
    t.add(QStringLiteral("Aehnlich"), [&dialogs] { dialogs.get<SimilarDrinksCommand>().run(); });
    t.add(QStringLiteral("Zutateninfo"), [&dialogs, &main] {
        const NeutralPhoto neutral(main);
        dialogs.get<RecipeIngredientsCommand>().run();
    });
    connectReferenceClicks(dialogs, main);
    for (int n = 0; n <= 5; ++n)
        t.add(QStringLiteral("Sterne%1").arg(n),
              [&dialogs, n] { dialogs.get<MyDrinksCommand>().rate(n, false); });
    QObject::connect(main.UntenPaintBox, &ClientFrame::starClicked, &main, [&dialogs](int n) {
        StoreGuard::run([&] { dialogs.get<MyDrinksCommand>().rate(n, true); });
    });
    t.add(QStringLiteral("Notiz"), [&dialogs] { dialogs.get<MyDrinksCommand>().editNote(); });
    t.add(QStringLiteral("Gemixt"), [&dialogs] { dialogs.get<MyDrinksCommand>().mixed(); });
    t.add(QStringLiteral("Journal"), [&dialogs] { dialogs.get<JournalCommand>().run(); });
    t.add(QStringLiteral("Sichern"), [&dialogs] { dialogs.get<BackupCommands>().runBackup(); });
    t.add(QStringLiteral("Einlesen"), [&dialogs] { dialogs.get<BackupCommands>().runRestore(); });
    t.add(QStringLiteral("EinlesenRueckgaengig"),
          [&dialogs] { dialogs.get<BackupCommands>().runUndoRestore(); });
    t.add(QStringLiteral("Import"), [&dialogs] { dialogs.get<ImportCommands>().runVersion1(); });
    t.add(QStringLiteral("RezeptUpdates"), [&dialogs] { dialogs.get<ImportCommands>().runUpdates(); });
    t.add(QStringLiteral("JsonImport"), [&dialogs] { dialogs.get<ImportCommands>().runJsonLd(); });
    t.add(QStringLiteral("JsonExport"), [&dialogs] {
        const QList<int> printSelection = dialogs.get<PrintCommand>().session.chosenRecNos();
        dialogs.get<JsonLdExportCommand>().run(printSelection);
    });
    t.add(QStringLiteral("ListeZutaten"), [&dialogs] { dialogs.get<IngredientListCommand>().run(); });
    t.add(QStringLiteral("ListeKategorie"),
          [&dialogs] { dialogs.get<ClassificationCommands>().runCategories(); });
    t.add(QStringLiteral("ListeGeschmack"),
          [&dialogs] { dialogs.get<ClassificationCommands>().runTastes(); });
    t.add(QStringLiteral("ListeDekoration"),
          [&dialogs] { dialogs.get<ClassificationCommands>().runDecorations(); });
}
