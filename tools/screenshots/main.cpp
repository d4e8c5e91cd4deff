// Renders the program's windows on the shipped data into PNG files for the documentation:
//   velta98-screenshots OUTPUT_FOLDER [MOTIF ...]
// Run under Xvfb (scripts/make-screenshots.sh) so that fonts and window sizes are real.
#include "app/Application.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "assistants/CocktailCommand.h"
#include "assistants/HomeBarCommand.h"
#include "assistants/HomeBarPresets.h"
#include "assistants/ShoppingCommand.h"
#include "browser/BrowserController.h"
#include "browser/RecipeDisplay.h"
#include "browser/RecipeView.h"
#include "store/OptionsRecord.h"
#include "ui/TMeldungDialog.h"
#include <QMenu>

#include "ui/EntryList.h"
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
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

// The result pages of the shopping assistant (bar 1 with the basic preset) and of the cocktail
// assistant, and the main window listing the drinks the cocktail assistant found.
void shootAssistants(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    main.setWindowState(Qt::WindowNoState);
    main.resize(800, 600);
    main.show();
    for (int number : HomeBarPresets::numbers(HomeBarPresets::Preset::Basis))
        w.state.ingredientChoices.homeBars.set(1, number, true);
    TEinkaufDialog& shopping = main.dialogs().get<ShoppingCommand>().dialog;
    shopping.show();
    shopping.Weiterbutton->click();
    QApplication::processEvents();
    shopping.grab().save(QDir(out).filePath(QStringLiteral("einkauf-ergebnis.png")));
    shopping.reject();

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
    shootAssistants(args.at(1));
    return 0;
}
