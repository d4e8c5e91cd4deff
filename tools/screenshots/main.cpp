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
#include "store/OptionsRecord.h"
#include "ui/AboutCommand.h"
#include "ui/HelpWindow.h"
#include "ui/OptionsCommand.h"
#include "ui/ScrollingText.h"
#include "ui/TMeldungDialog.h"
#include <QMenu>

#include "ui/EntryList.h"
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

// The three pages of the options dialog, the about box with its credits under way, and the help
// window at the options' first page.
void shootOptionsAndAbout(const QString& out) {
    ProgramWindows w(ProgramWindows::withoutIni(QApplication::applicationDirPath()));
    TMain& main = w.main;
    if (!main.create())
        return;
    main.setWindowState(Qt::WindowNoState);
    main.resize(800, 600);
    main.show();
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
    shootOptionsAndAbout(args.at(1));
    return 0;
}
