// Renders the program's windows on the shipped data into PNG files for the documentation:
//   velta98-screenshots OUTPUT_FOLDER [MOTIF ...]
// Run under Xvfb (scripts/make-screenshots.sh) so that fonts and window sizes are real.
#include "app/Application.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "assistants/HomeBarCommand.h"
#include "browser/BrowserController.h"
#include "browser/RecipeDisplay.h"
#include "browser/RecipeView.h"
#include "maint/ClassificationCommands.h"
#include "maint/IngredientListCommand.h"
#include "maint/RecipeCommands.h"
#include "store/OptionsRecord.h"
#include "ui/TMeldungDialog.h"
#include <QMenu>

#include "ui/EntryList.h"
#include "ui/TypeAheadField.h"
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace {

void shootMotif(const QString& out, int motif) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    AppState& state = w.state;
    TMain& main = w.main;
    if (!main.create())
        return;
    state.options.set(OptionsRecord::Motif, quint8(motif));
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

// A long recipe with justified, lexicon-marked instructions, on the dark and the light background;
// and the home bar dialog with a preset.
void shootBrowser(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    AppState& state = w.state;
    TMain& main = w.main;
    if (!main.create())
        return;
    state.options.set(OptionsRecord::LexiconMarked, 1);
    main.setWindowState(Qt::WindowNoState);
    main.resize(800, 600);
    main.show();
    const int zombie = main.HauptListBox->findRow(QStringLiteral("Zombie"));
    if (zombie >= 0)
        main.HauptListBox->setCurrentRow(zombie);
    main.browser->selectionChanged();
    // Scrolled down so that the justified instructions fill the text area.
    RecipeDisplay& display = main.browser->browser().display();
    for (int line = 0; line < 12 && display.scrollDown(); ++line) {
    }
    main.AusgabePaintBox->relayout();
    for (const auto& [background, name] :
         {std::pair{1, "rezept-dunkel.png"}, std::pair{2, "rezept-hell.png"}}) {
        state.options.set(OptionsRecord::TextBackground, quint8(background));
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
    shootRecipeEditor(args.at(1));
    shootLists(args.at(1));
    return 0;
}
