// Renders the program's windows on the shipped data into PNG files for the documentation:
//   velta98-screenshots OUTPUT_FOLDER [MOTIF ...]
// Run under Xvfb (scripts/make-screenshots.sh) so that fonts and window sizes are real.
#include "app/Application.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "assistants/HomeBarPresets.h"
#include "assistants/HomeBarSession.h"
#include "assistants/gui/CocktailCommand.h"
#include "assistants/gui/HomeBarCommand.h"
#include "assistants/gui/JournalCommand.h"
#include "assistants/gui/NearMissCommand.h"
#include "assistants/gui/ShoppingCommand.h"
#include "browser/RecipeDisplay.h"
#include "browser/gui/BrowserController.h"
#include "browser/gui/RecipeView.h"
#include "calc/gui/BloodAlcoholCommand.h"
#include "calc/gui/NumberField.h"
#include "calc/gui/PartyPlannerDialog.h"
#include "calc/gui/QuantityCommand.h"
#include "editors/gui/ClassificationCommands.h"
#include "editors/gui/IngredientListCommand.h"
#include "editors/gui/RecipeCommands.h"
#include "exchange/BackupSession.h"
#include "exchange/gui/JsonLdExportCommand.h"
#include "exchange/gui/TImportDialog.h"
#include "exchange/gui/TInternetDialog.h"
#include "options/gui/OptionsCommand.h"
#include "print/PrintReports.h"
#include "print/TextListLayout.h"
#include "print/gui/PrintCommand.h"
#include "print/gui/QtReportMeasurer.h"
#include "print/gui/ReportPainter.h"
#include "print/gui/TfrmPreview.h"
#include "reference/gui/LexiconCommand.h"
#include "reference/gui/LexiconInfoCommand.h"
#include "reference/gui/RecipeIngredientsCommand.h"
#include "search/DrinkTraits.h"
#include "search/gui/SearchCommand.h"
#include "store/Cp1252.h"
#include "store/OptionsRecord.h"
#include "ui/AboutCommand.h"
#include "ui/EntryList.h"
#include "ui/HelpWindow.h"
#include "ui/ScrollingText.h"
#include "ui/TMeldungDialog.h"
#include "ui/TypeAheadField.h"
#include <QCheckBox>
#include <QMenu>
#include <QToolButton>

#include "ui/EntryList.h"
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace {

// The main window at 800 x 600, not maximised, as every main window shot shows it.
void showWindowed(TMain& main) {
    main.setWindowState(Qt::WindowNoState);
    main.resize(800, 600);
    main.show();
}

void shootMotif(const QString& out, int motif) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    AppState& state = w.state;
    TMain& main = w.main;
    if (!main.create())
        return;
    state.settings.changeOptions().set(OptionsRecord::Motif, quint8(motif));
    QString failure;
    w.skins.SelectMainSkin(&failure);
    main.resize(800, 600);
    main.show();
    QApplication::processEvents();
    main.grab().save(QDir(out).filePath(QStringLiteral("hauptfenster-motiv%1.png").arg(motif)));

    TMeldungDialog box(w.context, &main);
    QTimer::singleShot(200, [&box, out, motif] {
        box.grab().save(QDir(out).filePath(QStringLiteral("meldung-motiv%1.png").arg(motif)));
        box.JaButton->click();
    });
    box.ask(QStringLiteral("Möchten Sie die Änderungen an der\rHausbar wirklich speichern?"),
            QStringLiteral("Frage"), 2, true);
    main.close();
}

// "Was fehlt": a recipe on the light background with bar 1 holding the basic preset; the lines the
// bar lacks stand out.
void shootMissing(ProgramWindows& w, const QString& out) {
    for (int number : HomeBarPresets::numbers(HomeBarPresets::Preset::Basis))
        w.state.catalogue.changeIngredients([&](IngredientChoices& c) { c.homeBars.set(1, number, true); });
    w.state.settings.changeOptions().set(OptionsRecord::HomeBar, 1);
    const int row = w.main.HauptListBox->findRow(QStringLiteral("Mojito"));
    if (row >= 0)
        w.main.HauptListBox->setCurrentRow(row);
    w.main.browser->selectionChanged();
    w.main.AusgabePaintBox->relayout();
    w.main.AusgabePaintBox->update();
    QApplication::processEvents();
    w.main.grab().save(QDir(out).filePath(QStringLiteral("was-fehlt.png")));

    // The same bar with substitutes allowed: the first drink (by name) whose lines name one standing in.
    w.state.settings.changeBar().allowSubstitutes = true;
    for (int r = 0; r < w.main.HauptListBox->count(); ++r) {
        w.main.HauptListBox->setCurrentRow(r);
        w.main.browser->selectionChanged();
        w.main.AusgabePaintBox->relayout();
        if (!w.main.AusgabePaintBox->standIns().isEmpty() && w.main.AusgabePaintBox->missingLines().isEmpty())
            break;
    }
    w.main.AusgabePaintBox->update();
    QApplication::processEvents();
    w.main.grab().save(QDir(out).filePath(QStringLiteral("ersatz-im-rezept.png")));
    w.state.settings.changeBar().allowSubstitutes = false;
}

// A long recipe with justified, lexicon-marked instructions, on the dark and the light background;
// and the home bar dialog with a preset.
void shootBrowser(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    AppState& state = w.state;
    TMain& main = w.main;
    if (!main.create())
        return;
    state.settings.changeOptions().set(OptionsRecord::LexiconMarked, 1);
    showWindowed(main);
    const int zombie = main.HauptListBox->findRow(QStringLiteral("Zombie"));
    if (zombie >= 0)
        main.HauptListBox->setCurrentRow(zombie);
    main.browser->selectionChanged();
    main.AusgabePaintBox->relayout();
    QApplication::processEvents();
    main.grab().save(QDir(out).filePath(QStringLiteral("alkohol-im-glas.png")));
    // The same recipe with its amounts in US fluid ounces.
    state.settings.useShownUnit(DisplayUnit::Oz);
    main.browser->ReloadCurrent();
    main.AusgabePaintBox->relayout();
    QApplication::processEvents();
    main.grab().save(QDir(out).filePath(QStringLiteral("rezept-in-oz.png")));
    state.settings.useShownUnit(DisplayUnit::Cl);
    main.browser->ReloadCurrent();
    main.AusgabePaintBox->relayout();
    // Scrolled down so that the justified instructions fill the text area.
    RecipeDisplay& display = main.browser->browser().display();
    for (int line = 0; line < 12 && display.scrollDown(); ++line) {
    }
    main.AusgabePaintBox->relayout();
    for (const auto& [background, name] :
         {std::pair{1, "rezept-dunkel.png"}, std::pair{2, "rezept-hell.png"}}) {
        state.settings.changeOptions().set(OptionsRecord::TextBackground, quint8(background));
        main.AusgabePaintBox->LoadBackground();
        main.AusgabePaintBox->update();
        QApplication::processEvents();
        main.grab().save(QDir(out).filePath(QString::fromLatin1(name)));
    }
    THausbardialog& bar = main.dialogs().get<HomeBarCommand>().dialog;
    bar.show();
    bar.noti->setCurrentIndex(0);
    bar.VorgabePopup->actions().at(3)->trigger(); // Standard
    QApplication::processEvents();
    bar.grab().save(QDir(out).filePath(QStringLiteral("hausbar.png")));
    bar.reject();
    // The basics page with both switches on.
    bar.show();
    bar.noti->setCurrentIndex(HomeBarSession::kBasicsPage);
    bar.substitutesBox->setChecked(true);
    bar.alwaysAtHomeBox->setChecked(true);
    QApplication::processEvents();
    bar.grab().save(QDir(out).filePath(QStringLiteral("hausbar-grundzutaten.png")));
    bar.reject();
    shootMissing(w, out);
    main.close();
}

// The quantity calculator with the shown recipe scaled to a litre, and the blood alcohol
// assistant with a few drinks and its result.
void shootCalculators(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    w.state.settings.changeOptions().set(OptionsRecord::BodyWeight, 75);
    w.state.settings.changeOptions().set(OptionsRecord::DrinkingHours, 2);
    showWindowed(main);
    main.HauptListBox->setCurrentRow(main.HauptListBox->findRow(QStringLiteral("Mojito")));
    main.browser->selectionChanged();

    QuantityCommand& menge = main.dialogs().get<QuantityCommand>();
    menge.session.begin(main.recipes().CurrentRecNo());
    menge.dialog.show();
    menge.dialog.RadioButton5->click();
    menge.dialog.MengeEdit->setText(QStringLiteral("2"));
    QApplication::processEvents();
    menge.dialog.grab().save(QDir(out).filePath(QStringLiteral("menge.png")));
    // A Daiquiri for a 0,7 l bottle, melt water included.
    const int daiquiri = main.HauptListBox->findRow(QStringLiteral("Daiquiri"));
    if (daiquiri >= 0 && menge.session.begin(main.HauptListBox->entries().at(daiquiri).data)) {
        menge.dialog.RadioButton2->click();
        menge.dialog.MengeEdit->setText(QStringLiteral("700"));
        menge.dialog.VorratBox->setChecked(true);
        QApplication::processEvents();
        menge.dialog.grab().save(QDir(out).filePath(QStringLiteral("vorratsflasche.png")));
        menge.dialog.VorratBox->setChecked(false);
        menge.session.begin(main.recipes().CurrentRecNo());
        menge.dialog.RadioButton5->click();
        menge.dialog.MengeEdit->setText(QStringLiteral("2"));
    }
    menge.dialog.reject();

    // The party planner with three drinks for twenty guests, the white rum in bar 1 and the basics
    // always at home (in memory only), so that all three headings show.
    w.state.catalogue.changeIngredients([&](IngredientChoices& c) { c.homeBars.set(1, 26, true); });
    w.state.settings.changeBar().alwaysAtHome = true;
    PartyPlannerDialog& party = menge.partyDialog;
    party.setListPrinter([](const QStringList&, QWidget*) {}); // as the program's command puts it in
    party.show();
    for (const auto& [name, glasses] : {std::pair{"Mojito", "12"}, {"Daiquiri", "8"}, {"Caipirinha", "10"}}) {
        party.Getraenkeliste->setCurrentRow(party.Getraenkeliste->findRow(QString::fromUtf8(name)));
        party.GlaeserEdit->setText(QString::fromUtf8(glasses));
        party.HinzuButton->click();
    }
    party.HausbarBox->setCurrentIndex(1);
    // Twenty guests for four hours: the glasses proposed from the weights entered.
    party.GaesteEdit->setText(QStringLiteral("20"));
    party.StundenEdit->setText(QStringLiteral("4"));
    party.VorschlagButton->click();
    QApplication::processEvents();
    party.grab().save(QDir(out).filePath(QStringLiteral("partyplaner.png")));
    party.reject();
    const QtReportMeasurer measurer;
    ReportPainter printout(
        TextListLayout::document(menge.party.listText(), PageSetup{}, PrintFonts(), measurer));
    printout.renderPage(0, 2.0).save(QDir(out).filePath(QStringLiteral("partyplaner-druck.png")));

    TBlutdialog& blut = main.dialogs().get<BloodAlcoholCommand>().dialog;
    blut.show();
    const auto drink = [&blut](const QString& name, int unit, const QString& amount) {
        blut.Editfeld->setText(name);
        blut.BlutListBox->setCurrentRow(blut.BlutListBox->findRow(name));
        blut.combo->setCurrentIndex(unit);
        blut.ZukaufEdit->setText(amount);
        blut.HinzuButton->click();
    };
    drink(QStringLiteral("Mojito"), 0, QStringLiteral("2"));
    drink(QStringLiteral("Weißwein***"), 1, QStringLiteral("20"));
    drink(QStringLiteral("Weinbrand***"), 1, QStringLiteral("2"));
    QApplication::processEvents();
    blut.grab().save(QDir(out).filePath(QStringLiteral("promille-getraenke.png")));
    for (int page = 0; page < 3; ++page)
        blut.weiterbutton->click();
    QApplication::processEvents();
    blut.grab().save(QDir(out).filePath(QStringLiteral("promille-ergebnis.png")));
    blut.reject();
    main.close();
}

// The result and plan pages of the shopping assistant (bar 1 with the basic preset) and of the cocktail
// assistant, and the main window listing the drinks the cocktail assistant found.
void shootAssistants(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    showWindowed(main);
    for (int number : HomeBarPresets::numbers(HomeBarPresets::Preset::Basis))
        w.state.catalogue.changeIngredients([&](IngredientChoices& c) { c.homeBars.set(1, number, true); });
    TEinkaufDialog& shopping = main.dialogs().get<ShoppingCommand>().dialog;
    shopping.show();
    shopping.Weiterbutton->click();
    QApplication::processEvents();
    shopping.grab().save(QDir(out).filePath(QStringLiteral("einkauf-ergebnis.png")));
    shopping.Weiterbutton->click();
    shopping.PlanAnzahl->setValue(8); // more steps than the list shows at once
    shopping.PlanListe->setCurrentItem(shopping.PlanListe->topLevelItem(1));
    QApplication::processEvents();
    shopping.grab().save(QDir(out).filePath(QStringLiteral("einkaufsplan.png")));
    shopping.reject();

    // "Fast mixbar" for the same bar, substitutes allowed so that one stands in.
    w.state.settings.changeBar().allowSubstitutes = true;
    NearMissCommand& near = main.dialogs().get<NearMissCommand>();
    near.session.begin(1);
    near.dialog.show();
    QApplication::processEvents();
    near.dialog.grab().save(QDir(out).filePath(QStringLiteral("fast-mixbar.png")));
    near.dialog.reject();
    w.state.settings.changeBar().allowSubstitutes = false;

    CocktailCommand& cocktail = main.dialogs().get<CocktailCommand>();
    TAssiDialog& wizard = cocktail.dialog;
    wizard.show();
    for (const auto& [question, digit] :
         {std::pair{0, 3}, std::pair{1, 1}, std::pair{2, 3}, std::pair{3, 1}}) {
        wizard.weiterbutton->click();
        wizard.answerButtons[question][digit - 1]->click();
    }
    QApplication::processEvents();
    wizard.grab().save(QDir(out).filePath(QStringLiteral("cocktail-frage.png")));
    wizard.weiterbutton->click();
    QApplication::processEvents();
    wizard.grab().save(QDir(out).filePath(QStringLiteral("cocktail-ergebnis.png")));
    wizard.weiterbutton->click(); // "&Start" closes the wizard
    cocktail.start();
    QApplication::processEvents();
    main.grab().save(QDir(out).filePath(QStringLiteral("cocktail-liste.png")));
    main.close();
}

// The three pages of the options dialog, the about box with its credits under way, and the help
// window at the options' first page.
void shootOptionsAndAbout(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    showWindowed(main);
    QApplication::processEvents();
    OptionsCommand& options = main.dialogs().get<OptionsCommand>();
    for (const auto& [page, name] :
         {std::pair{0, "optionen-darstellung.png"}, std::pair{1, "optionen-vorgaben.png"},
          std::pair{2, "optionen-schriftart.png"}}) {
        options.session.setPage(page);
        options.dialog.show();
        QApplication::processEvents();
        options.dialog.grab().save(QDir(out).filePath(QString::fromLatin1(name)));
        options.dialog.hide();
    }
    TAboutDialog& about = main.dialogs().get<AboutCommand>().dialog;
    about.show();
    about.Scrolltext->stop();
    for (int i = 0; i < 60; ++i) // the title has scrolled into view
        about.Scrolltext->step();
    QApplication::processEvents();
    about.grab().save(QDir(out).filePath(QStringLiteral("info.png")));
    about.hide();
    w.help.showContext(2610);
    w.help.resize(600, 520);
    QApplication::processEvents();
    w.help.grab().save(QDir(out).filePath(QStringLiteral("hilfe.png")));
    w.help.close();
    main.close();
}

int entryIndex(const QList<ListEntry>& entries, const QString& text) {
    for (int i = 0; i < int(entries.size()); ++i) {
        if (entries.at(i).text == text)
            return i;
    }
    return 0;
}

// The search dialog filled by `fill` as `name`.png, and the list its OK leaves as `name`-ergebnis.png.
void shootSearchRun(TMain& main, const QString& out, const QString& name,
                    const std::function<void(SearchSession&)>& fill) {
    SearchCommand& search = main.dialogs().get<SearchCommand>();
    QTimer::singleShot(200, [&search, out, name, fill] {
        fill(search.session);
        search.dialog.showSession();
        // The live count follows the criteria a moment later.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 500) {
            QApplication::processEvents();
            QThread::msleep(10);
        }
        search.dialog.grab().save(QDir(out).filePath(name + QStringLiteral(".png")));
        search.dialog.OkButton->click();
    });
    main.RunCommand(QStringLiteral("SucheAn"));
    QApplication::processEvents();
    main.grab().save(QDir(out).filePath(name + QStringLiteral("-ergebnis.png")));
}

// The search's "Info" over the ingredients chosen in it, as suche-zutateninfo.png.
void shootSearchInfo(TMain& main, const QString& out) {
    SearchCommand& search = main.dialogs().get<SearchCommand>();
    QTimer::singleShot(200, [&search, out] {
        SearchSession& s = search.session;
        const QList<ListEntry>& ingredients = s.choices().ingredients;
        s.setIngredient(0, entryIndex(ingredients, QStringLiteral("Weißer Rum")));
        s.setAlternative(0, entryIndex(ingredients, QStringLiteral("Cachaça")));
        s.setIngredient(1, entryIndex(ingredients, QStringLiteral("Limettensaft")));
        search.dialog.showSession();
        QTimer::singleShot(200, [out] {
            if (auto* info = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                info->grab().save(QDir(out).filePath(QStringLiteral("suche-zutateninfo.png")));
                info->accept();
            }
        });
        search.dialog.ExplorerButton2->click();
        search.dialog.reject();
    });
    main.RunCommand(QStringLiteral("SucheAn"));
}

// "Ähnliche Drinks" for the Margarita, as aehnliche-drinks.png.
void shootSimilar(TMain& main, const QString& out) {
    main.RunCommand(QStringLiteral("SucheAus")); // the search before left only its drinks listed
    const int row = main.HauptListBox->findRow(QStringLiteral("Margarita"));
    if (row < 0)
        return;
    main.HauptListBox->setCurrentRow(row);
    main.browser->selectionChanged();
    QTimer::singleShot(300, [out] {
        if (auto* similar = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            similar->grab().save(QDir(out).filePath(QStringLiteral("aehnliche-drinks.png")));
            similar->reject();
        }
    });
    main.RunCommand(QStringLiteral("Aehnlich"));
}

// The search dialog filled with "rum or cachaça but without cream, category Tiki, 10 to 25 %",
// and the list that search leaves in the main window.
void shootSearch(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    showWindowed(main);
    shootSearchRun(main, out, QStringLiteral("suche"), [](SearchSession& s) {
        const QList<ListEntry>& ingredients = s.choices().ingredients;
        s.setIngredient(0, entryIndex(ingredients, QStringLiteral("Weißer Rum")));
        s.setAlternative(0, entryIndex(ingredients, QStringLiteral("Cachaça")));
        s.setIngredient(1, entryIndex(ingredients, QStringLiteral("Sahne")));
        s.setWithout(1, true);
        s.setCategory(entryIndex(s.choices().categories, QStringLiteral("Tiki")));
        s.editMinimum(QStringLiteral("10"));
        s.editMaximum(QStringLiteral("25"));
    });
    shootSearchInfo(main, out);
    // The second page: hot drinks in a punch glass, without milk or cream.
    shootSearchRun(main, out, QStringLiteral("suche-weitere"), [&main](SearchSession& s) {
        s.Reset();
        s.setPreparation(int(DrinkTraits::preparationNames().indexOf(QStringLiteral("heiß"))));
        s.setGlass(int(DrinkTraits::glassNames().indexOf(QStringLiteral("Punschglas, Henkelglas"))));
        s.setFreeOf(IngredientMarks::Mark::Dairy, true);
        main.dialogs().get<SearchCommand>().dialog.showSecondPage(true);
    });
    shootSimilar(main, out);
    main.close();
}

// The quick search typed as on a keyboard without umlauts ("gluehwein m" selects "Glühwein mit
// Schuss"), a drink found and shown by another name, and the search dialog with a full text and the
// list it leaves.
void shootFolding(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    showWindowed(main);
    main.HauptEdit->setFocus();
    for (const QChar c : QStringLiteral("gluehwein m")) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(main.HauptEdit, &press);
    }
    QApplication::processEvents();
    main.grab().save(QDir(out).filePath(QStringLiteral("schnellsuche-gefaltet.png")));

    // Another name typed, and the drink it found shown (as Enter shows it): the recipe names its
    // other names under the title.
    main.HauptEdit->clear();
    for (const QChar c : QStringLiteral("campari orange")) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(main.HauptEdit, &press);
    }
    main.browser->selectionChanged();
    main.AusgabePaintBox->relayout();
    QApplication::processEvents();
    main.grab().save(QDir(out).filePath(QStringLiteral("andere-namen.png")));

    shootSearchRun(main, out, QStringLiteral("suche-volltext"),
                   [](SearchSession& s) { s.setFullText(QStringLiteral("gluehwein zimt")); });
    main.close();
}

// The recipe editor's three pages with a real drink, and the recipe list.
void shootRecipeEditor(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    main.resize(800, 600);
    main.show();
    const int row = main.HauptListBox->findRow(QStringLiteral("Zombie"));
    const int recNo = row >= 0 ? main.HauptListBox->entries().at(row).data : 1;
    RecipeCommands& recipes = main.dialogs().get<RecipeCommands>();
    if (!recipes.prepareEdit(QStringLiteral("Zombie"), recNo))
        return;
    TReditdialog& editor = recipes.editor;
    editor.show();
    editor.Editfeld->setText(QStringLiteral("Limettens"));
    editor.ZutatenListbox->setCurrentRow(recipes.editSession.typeAhead(editor.Editfeld->text()));
    editor.RezeptListbox->setCurrentRow(1);
    const char* const pages[] = {"rezepteditor-rezept.png", "rezepteditor-zuordnung.png",
                                 "rezepteditor-anleitung.png"};
    for (int page = 0; page < 3; ++page) {
        editor.DasControl->setCurrentIndex(page);
        QApplication::processEvents();
        editor.grab().save(QDir(out).filePath(QString::fromLatin1(pages[page])));
    }
    editor.reject();
    RListeDialog& list = recipes.list;
    list.show();
    list.ListBox->setCurrentRow(row);
    QApplication::processEvents();
    list.grab().save(QDir(out).filePath(QStringLiteral("rezeptliste.png")));
    list.reject();
    main.close();
}

// The bar lexicon's three pages, a decoration as the recipe opens it, and the ingredients of the
// shown recipe.
void shootReference(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    showWindowed(main);
    main.HauptListBox->setCurrentRow(main.HauptListBox->findRow(QStringLiteral("Mojito")));
    main.browser->selectionChanged();

    TLexikonDialog& lexicon = main.dialogs().get<LexiconCommand>().dialog;
    lexicon.show();
    const auto pick = [&lexicon](int page, const QString& name, const char* file, const QString& folder) {
        lexicon.DasControl->setCurrentIndex(page);
        lexicon.edits[size_t(page)]->setText(name);
        EntryList* list = page == 0   ? lexicon.FachListbox
                          : page == 1 ? lexicon.HListbox
                                      : lexicon.DekoListbox;
        list->setCurrentRow(list->findRow(name));
        QApplication::processEvents();
        lexicon.grab().save(QDir(folder).filePath(QString::fromLatin1(file)));
    };
    pick(0, QStringLiteral("Shaker"), "lexikon-begriffe.png", out);
    pick(1, QStringLiteral("Weißer Rum"), "lexikon-zutaten.png", out);
    pick(2, QStringLiteral("Zitronenscheibe"), "lexikon-dekorationen.png", out);
    lexicon.reject();

    RecipeIngredientsCommand& ingredients = main.dialogs().get<RecipeIngredientsCommand>();
    ingredients.session.begin(main.recipes().CurrentRecNo());
    ingredients.dialog.show();
    ingredients.dialog.HListbox->setCurrentRow(2);
    QApplication::processEvents();
    ingredients.dialog.grab().save(QDir(out).filePath(QStringLiteral("zutateninfo.png")));
    ingredients.dialog.reject();

    TLexinfodialog& info = main.dialogs().get<LexiconInfoCommand>().dialog;
    const auto decoration = LexiconArticle::read(
        w.tables.ApolloDeko, main.browser->browser().display().decoration, LexiconPicture::Kind::Decoration,
        {w.state.folders.picturesFolder, w.state.folders.dataFolder});
    if (decoration) {
        info.setArticle(*decoration);
        info.show();
        QApplication::processEvents();
        info.grab().save(QDir(out).filePath(QStringLiteral("lexikon-info.png")));
        info.reject();
    }
    main.close();
}

// The print dialog on both pages, a recipe card, a bar card and the bar card in the preview.
void shootPrinting(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    main.resize(800, 600);
    main.show();
    QApplication::processEvents();
    PrintCommand& print = main.dialogs().get<PrintCommand>();
    PrintSession& session = print.session;
    session.countText = main.recipes().CountText();
    session.startSeveralDrinks(main.recipes().ListedRecipes());
    session.add({0, 3, 7, 8, 12});
    TDruckdialog& dialog = print.dialog;
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(QDir(out).filePath(QStringLiteral("drucken-auswahl.png")));
    dialog.DasControl->setCurrentIndex(1);
    dialog.lay2->click();
    QApplication::processEvents();
    dialog.grab().save(QDir(out).filePath(QStringLiteral("drucken-layout.png")));
    dialog.hide();

    const QtReportMeasurer measurer;
    session.chooseAll();
    session.settings.separator = PrintSettings::Separator::Diamonds;
    ReportPainter list(PrintReports::build(session.fillPrintTable(nullptr), session.settings, session.fonts,
                                           measurer, session.photoFolders()));
    list.renderPage(0, 3).save(QDir(out).filePath(QStringLiteral("barkarte.png")));
    TfrmPreview preview(w.context, list, print.output.printer(PrintSettings::Layout::DrinkList), &main);
    preview.show();
    QApplication::processEvents();
    preview.SpeedButton3->click();
    QApplication::processEvents();
    preview.grab().save(QDir(out).filePath(QStringLiteral("vorschau.png")));
    preview.reject();

    session.clearChosen();
    const int zombie = main.HauptListBox->findRow(QStringLiteral("Zombie"));
    session.startSingleDrink(main.recipes().ListedRecipes().at(qMax(0, zombie)));
    ReportPainter card(PrintReports::build(session.fillPrintTable(nullptr), session.settings, session.fonts,
                                           measurer, session.photoFolders()));
    card.renderPage(0, 3).save(QDir(out).filePath(QStringLiteral("rezeptkarte.png")));
    main.close();
}

// The ingredient list with the editor of one ingredient, and the category list.
void shootLists(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    main.resize(800, 600);
    main.show();
    IngredientListCommand& ingredients = main.dialogs().get<IngredientListCommand>();
    ZutatenListeDialog& list = ingredients.dialog;
    list.show();
    const int row = list.ListBox->findRow(QStringLiteral("Angostura Bitter"));
    list.ListBox->setCurrentRow(row);
    QApplication::processEvents();
    list.grab().save(QDir(out).filePath(QStringLiteral("zutatenliste.png")));
    if (ingredients.session.seek(row)) {
        ingredients.editSession.prepareEdit();
        ZutatEditDialog& editor = ingredients.editor;
        QTimer::singleShot(0, &editor, [&editor, out] {
            editor.grab().save(QDir(out).filePath(QStringLiteral("zutat-bearbeiten.png")));
            editor.reject();
        });
        editor.run();
    }
    list.reject();
    KategorieListeDialog& categories = main.dialogs().get<ClassificationCommands>().categories;
    categories.show();
    QApplication::processEvents();
    categories.grab().save(QDir(out).filePath(QStringLiteral("kategorien.png")));
    categories.reject();
    main.close();
}

void shootExchange(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    showWindowed(main);
    ImportChooserSession chooser(ImportChooserSession::Backup);
    TImportDialog dialog(w.context, chooser, QStringLiteral("Daten sichern"), BackupSession::backupText(),
                         &main);
    dialog.show();
    dialog.selectFolder(w.state.folders.dataFolder);
    for (int i = 0; i < 20; ++i) // the folder tree reads the folders in the background
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    dialog.selectFolder(w.state.folders.dataFolder);
    QApplication::processEvents();
    dialog.grab().save(QDir(out).filePath(QStringLiteral("daten-sichern.png")));
    dialog.reject();
    TInternetDialog notice(w.context, &main);
    notice.show();
    QApplication::processEvents();
    notice.grab().save(QDir(out).filePath(QStringLiteral("rezept-updates.png")));
    notice.reject();
    const QList<ListEntry> listed = main.recipes().ListedRecipes();
    JsonLdExportSession& json = main.dialogs().get<JsonLdExportCommand>().session;
    json.begin(listed.value(main.recipes().SelectedRow()),
               {listed.value(0).data, listed.value(1).data, listed.value(2).data});
    JsonLdExportDialog& jsonDialog = main.dialogs().get<JsonLdExportCommand>().dialog;
    jsonDialog.show();
    QApplication::processEvents();
    jsonDialog.grab().save(QDir(out).filePath(QStringLiteral("json-ld-export.png")));
    jsonDialog.reject();
    main.close();
}

// Stars and a note in the recipe view, and the journal window. The shipped image runs read-only, so
// the records are made up in memory, never written beside its tables.
void shootMyDrinks(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    showWindowed(main);
    const QList<ListEntry> listed = main.recipes().ListedRecipes();
    const auto block = [&](const QString& name, const QString& lines) {
        const ListEntry e = listed.value(main.HauptListBox->findRow(name));
        return QStringLiteral("[%1] %2\r\n%3").arg(e.data).arg(e.text, lines);
    };
    const QString text =
        block(QStringLiteral("Mojito"),
              QStringLiteral("Sterne=4\r\nNotiz=Mit brauner Minze und einem Schuss mehr Limette, dann "
                             "weniger Zucker.\\nIm Sommer auf der Terrasse am besten.\r\n"
                             "Gemixt=2026-10-17,4\r\nGemixt=2026-11-28,2\r\nGemixt=2026-12-05,3\r\n")) +
        block(QStringLiteral("Daiquiri"), QStringLiteral("Sterne=5\r\nGemixt=2026-11-28,2\r\n")) +
        block(QStringLiteral("Caipirinha"), QStringLiteral("Sterne=3\r\nGemixt=2026-12-05,2\r\n")) +
        block(QStringLiteral("Zombie"), QStringLiteral("Gemixt=2026-10-31,1\r\n"));
    if (const std::optional<MyDrinks> made = MyDrinks::parse(Cp1252::fromUnicode(text)))
        w.state.myDrinks = *made;
    main.HauptListBox->setCurrentRow(main.HauptListBox->findRow(QStringLiteral("Mojito")));
    main.browser->ReloadCurrent();
    // Down to the note under the remark.
    RecipeDisplay& shown = main.browser->browser().display();
    while (shown.lastShownLine < shown.lastLine && shown.scrollDown())
        main.AusgabePaintBox->relayout();
    main.AusgabePaintBox->update();
    QApplication::processEvents();
    main.grab().save(QDir(out).filePath(QStringLiteral("meine-notiz.png")));

    JournalCommand& journal = main.dialogs().get<JournalCommand>();
    journal.session.begin();
    journal.dialog.show();
    QApplication::processEvents();
    journal.dialog.grab().save(QDir(out).filePath(QStringLiteral("journal.png")));
    journal.dialog.reject();
    main.close();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Application::prepare();
    const QStringList args = QApplication::arguments();
    if (args.size() < 2)
        return 2;
    QDir().mkpath(args.at(1));
    QList<int> motifs;
    for (const QString& m : args.mid(2))
        motifs << m.toInt();
    if (motifs.isEmpty())
        motifs = {1, 2, 3, 4, 5, 6, 7};
    for (int motif : motifs)
        shootMotif(args.at(1), motif);
    shootBrowser(args.at(1));
    shootCalculators(args.at(1));
    shootAssistants(args.at(1));
    shootOptionsAndAbout(args.at(1));
    shootSearch(args.at(1));
    shootFolding(args.at(1));
    shootRecipeEditor(args.at(1));
    shootReference(args.at(1));
    shootPrinting(args.at(1));
    shootLists(args.at(1));
    shootExchange(args.at(1));
    shootMyDrinks(args.at(1));
    return 0;
}
