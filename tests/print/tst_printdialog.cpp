#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaGuiTest.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/MainMenu.h"
#include "app/ProgramWindows.h"
#include "app/ToolbarPanel.h"
#include "common/HomeBarTable.h"
#include "print/PrintSettingsFile.h"
#include "print/gui/PrintCommand.h"
#include "print/gui/PrinterSetup.h"
#include "print/gui/ReportPageView.h"
#include "print/gui/ReportPainter.h"
#include "print/gui/TfrmPreview.h"
#include "store/Cp1252.h"
#include "ui/EntryList.h"
#include "ui/TSchriftdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// Runs `act` on the modal window of type T as soon as it is open (it opens after the click that
// is sent next); gives up after a few seconds so that a missing window fails instead of hanging.
template <class T> void whenOpen(const std::function<void(T*)>& act, int tries = 250) {
    QTimer::singleShot(20, [act, tries] {
        if (T* window = qobject_cast<T*>(QApplication::activeModalWidget()))
            act(window);
        else if (tries > 0)
            whenOpen<T>(act, tries - 1);
    });
}

int pdfPages(const QString& path) {
    return int(TestFiles::readAll(path).count("/Type /Page\n"));
}

void clickRow(EntryList* list, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect r = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, r.center());
}

} // namespace

// The print dialog as the user meets it: opened through the main window's commands on the shipped
// data, driven by clicks, printing into PDF files instead of a printer.
class TestPrintDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;
    std::unique_ptr<MessageBoxAnswerer> m_quiet; // no message box ever blocks
    QTemporaryDir m_out;
    PrinterSetup::Hook m_previousSetup;
    PrintOutput::FileAsker m_previousAsker;
    int m_setups = 0;

    TDruckdialog& dialog() { return m_w->main.dialogs().get<PrintCommand>().dialog; }
    PrintSession& session() { return m_w->main.dialogs().get<PrintCommand>().session; }
    QString pdf() const { return m_out.filePath(u"druck.pdf"_s); }

    // Runs the command; `act` drives the open dialog and must close it.
    void runWithDialog(const QString& command, const std::function<void(TDruckdialog&)>& act) {
        TDruckdialog& d = dialog();
        QTimer::singleShot(0, &d, [&d, act] { act(d); });
        m_w->main.commands->run(command);
    }

private slots:
    void initTestCase() {
        // The set-up "chooses" a PDF file, as a user without a printer would.
        m_previousSetup = PrinterSetup::setHook([this](QPrinter& printer) {
            ++m_setups;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf());
            return true;
        });
        m_previousAsker = PrintOutput::setFileAsker(
            [this](QWidget*, const QString& suffix) { return m_out.filePath(u"Velta98."_s + suffix); });
    }
    void cleanupTestCase() {
        PrinterSetup::setHook(m_previousSetup);
        PrintOutput::setFileAsker(m_previousAsker);
    }
    void init() {
        m_quiet = std::make_unique<MessageBoxAnswerer>();
        m_dir = std::make_unique<TempDataFolder>();
        m_w = StartupFixture::showProgram(m_dir->path(), true);
        QVERIFY(m_w);
        QFile::remove(pdf());
        QFile::remove(m_out.filePath(u"Velta98.txt"_s));
        m_setups = 0;
    }
    void cleanup() {
        if (m_w)
            m_w->main.close();
        m_w.reset();
        QVERIFY2(m_quiet->shown().isEmpty(), qPrintable(m_quiet->lastText()));
        m_quiet.reset();
    }

    void currentDrinkOpensTheLayoutPageWithTheDefaults() {
        const QString selected = m_w->main.HauptListBox->currentText();
        int page = -1;
        bool choiceEnabled = true;
        QString ok;
        bool previewVisible = false;
        QStringList chosen;
        QList<bool> enabled;
        QStringList shown;
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            page = d.DasControl->currentIndex();
            choiceEnabled = d.DasControl->isTabEnabled(0);
            ok = d.OkButton->text();
            previewVisible = d.PrevButton->isVisible() && d.Exportbutton->isVisible();
            for (const ListEntry& e : d.DruckListbox->entries())
                chosen << e.text;
            enabled = {d.lay1->isChecked(),       d.InfoCheck->isEnabled(), d.BildCheck->isEnabled(),
                       d.HeaderEdit->isEnabled(), d.ZutCombo->isEnabled(),  d.NumCheck->isEnabled(),
                       d.PapCombo->isEnabled()};
            shown = {d.HeaderEdit->text(),
                     d.Trennedit->currentText(),
                     d.AusrichtungCombo->currentText(),
                     d.ZutCombo->currentText(),
                     d.PapCombo->currentText(),
                     d.AusCombo->currentText(),
                     d.BemCheck->isChecked() ? u"Bem"_s : u"-"_s,
                     d.NumCheck->isChecked() && d.BreiteCheck->isChecked() && d.AnleitungCheck->isChecked() &&
                             d.BildCheck->isChecked() && d.InfoCheck->isChecked()
                         ? u"an"_s
                         : u"aus"_s};
            QTest::mouseClick(d.AbbrechenButton, Qt::LeftButton);
        });
        QCOMPARE(page, 1);
        QVERIFY(!choiceEnabled);
        QCOMPARE(ok, u"&Drucken"_s);
        QVERIFY(previewVisible);
        QCOMPARE(chosen, QStringList{selected});
        QCOMPARE(enabled, (QList<bool>{true, true, true, false, false, false, true}));
        QCOMPARE(shown, strings({"Velta Cocktails 98", "Kein Trennzeichen", "Zentriert", "die ersten fünf",
                                 "DIN A4", "Hochformat", "-", "an"}));
    }

    void severalDrinksArePickedFromTheList() {
        MessageBoxAnswerer answers;
        QString okBefore;
        bool previewBefore = true;
        int pageAfterRefusal = -1;
        QStringList picked;
        int afterRemove = -1;
        int all = -1;
        QString okAfter;
        QList<bool> listLayout;
        runWithDialog(u"DruckenMehrere"_s, [&](TDruckdialog& d) {
            okBefore = d.OkButton->text();
            previewBefore = d.PrevButton->isVisible();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
            pageAfterRefusal = d.DasControl->currentIndex();
            clickRow(d.WasListBox, 0);
            clickRow(d.WasListBox, 2, Qt::ControlModifier);
            QTest::mouseClick(d.Hinzubutton, Qt::LeftButton);
            const QPoint first = d.WasListBox->visualRect(d.WasListBox->model()->index(0, 0)).center();
            QTest::mousePress(d.WasListBox->viewport(), Qt::LeftButton, {}, first);
            QTest::mouseRelease(d.WasListBox->viewport(), Qt::LeftButton, {}, first);
            QTest::mouseDClick(d.WasListBox->viewport(), Qt::LeftButton, {}, first);
            for (const ListEntry& e : d.DruckListbox->entries())
                picked << e.text;
            clickRow(d.DruckListbox, 1);
            QTest::mouseClick(d.entbutton, Qt::LeftButton);
            afterRemove = d.DruckListbox->count();
            d.VorgabePopup->actions().at(1)->trigger(); // "&Alle Getränke auswählen"
            all = d.DruckListbox->count();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
            okAfter = d.OkButton->text() + (d.PrevButton->isVisible() ? u"+"_s : u"-"_s);
            QTest::mouseClick(d.lay2, Qt::LeftButton);
            listLayout = {d.HeaderEdit->isEnabled(), d.NumCheck->isEnabled(), d.InfoCheck->isEnabled(),
                          d.BreiteCheck->isEnabled()};
            QTest::mouseClick(d.AbbrechenButton, Qt::LeftButton);
        });
        QCOMPARE(okBefore, u"&Weiter"_s);
        QVERIFY(!previewBefore);
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().text, PrintSession::noDrinksMessage());
        QCOMPARE(answers.shown().first().lines, 2);
        QCOMPARE(pageAfterRefusal, 0);
        const QList<ListEntry>& candidates = session().candidates();
        QCOMPARE(picked, (QStringList{candidates.at(0).text, candidates.at(2).text, candidates.at(0).text}));
        QCOMPARE(afterRemove, 2);
        QCOMPARE(all, m_w->main.HauptListBox->count());
        QCOMPARE(okAfter, u"&Drucken+"_s);
        QCOMPARE(listLayout, (QList<bool>{true, true, false, false}));
        // The layout stays for the next showing.
        QCOMPARE(session().settings.layout, PrintSettings::Layout::DrinkList);
    }

    void printingWritesTheCardAndClosesTheDialog() {
        bool visibleAfter = true;
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
            visibleAfter = d.isVisible();
            if (visibleAfter)
                d.reject();
        });
        QVERIFY(!visibleAfter);
        QCOMPARE(m_setups, 1); // no printer yet: the set-up was offered first
        QCOMPARE(pdfPages(pdf()), 1);
    }

    void previewTurnsPagesAndPrints() {
        QStringList labels;
        QString caption;
        bool previewOpenWhileShown = false;
        bool dialogVisibleAfter = true;
        int pages = 0;
        runWithDialog(u"DruckenMehrere"_s, [&](TDruckdialog& d) {
            d.VorgabePopup->actions().at(1)->trigger();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
            QTest::mouseClick(d.lay2, Qt::LeftButton);
            whenOpen<TfrmPreview>([&](TfrmPreview* p) {
                caption = p->caption();
                previewOpenWhileShown = m_w->state.run.previewOpen;
                pages = p->findChild<ReportPageView*>() ? 1 : 0;
                labels << p->LSeite->text();
                QTest::mouseClick(p->SpeedButton3, Qt::LeftButton);
                labels << p->LSeite->text();
                QTest::mouseClick(p->SpeedButton4, Qt::LeftButton);
                labels << p->LSeite->text();
                QTest::mouseClick(p->SpeedButton3, Qt::LeftButton);
                labels << p->LSeite->text();
                QTest::mouseClick(p->SpeedButton1, Qt::LeftButton);
                labels << p->LSeite->text();
                QTest::mouseClick(p->SpeedButton5, Qt::LeftButton);
                QTest::mouseClick(p->SpeedButton6, Qt::LeftButton);
                QTest::mouseClick(p->OkButton, Qt::LeftButton);
            });
            QTest::mouseClick(d.PrevButton, Qt::LeftButton);
            dialogVisibleAfter = d.isVisible();
            if (dialogVisibleAfter)
                d.reject();
        });
        QCOMPARE(caption, u"Druckvorschau"_s);
        QVERIFY(previewOpenWhileShown);
        QVERIFY(!m_w->state.run.previewOpen);
        QCOMPARE(pages, 1);
        QCOMPARE(labels.size(), 5);
        const int count = pdfPages(pdf());
        QVERIFY2(count >= 2, qPrintable(labels.join(u'|')));
        const QString last = u"Seite %1 von %1"_s.arg(count);
        QCOMPARE(labels, (QStringList{u"Seite 1 von %1"_s.arg(count), u"Seite 2 von %1"_s.arg(count), last,
                                      last, u"Seite 1 von %1"_s.arg(count)}));
        QVERIFY(!dialogVisibleAfter); // printed from the preview: the dialog closed too
    }

    void previewCancelKeepsTheDialogOpen() {
        bool dialogVisibleAfter = false;
        bool opened = false;
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            whenOpen<TfrmPreview>([&](TfrmPreview* p) {
                opened = true;
                QTest::mouseClick(p->CancelButton, Qt::LeftButton);
            });
            QTest::mouseClick(d.PrevButton, Qt::LeftButton);
            dialogVisibleAfter = d.isVisible();
            d.reject();
        });
        QVERIFY(opened);
        QVERIFY(dialogVisibleAfter);
        QVERIFY(!QFile::exists(pdf()));
        QVERIFY(!m_w->state.run.previewOpen);
    }

    // A printer (here a PDF file in a folder that does not exist) that cannot take the printout:
    // the preview says so as the dialog does and stays open for another choice.
    void previewThatCannotPrintSaysSo() {
        MessageBoxAnswerer answers;
        const PrinterSetup::Hook previous = PrinterSetup::setHook([this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_out.filePath(u"fehlt/druck.pdf"_s));
            return true;
        });
        QPrinter& printer =
            m_w->main.dialogs().get<PrintCommand>().output.printer(PrintSettings::Layout::RecipeCard);
        printer.setOutputFileName(QString());
        bool previewAfterFailure = false;
        bool dialogVisibleAfter = false;
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            whenOpen<TfrmPreview>([&](TfrmPreview* p) {
                QTest::mouseClick(p->SpeedButton8, Qt::LeftButton); // the printer set-up
                QTest::mouseClick(p->OkButton, Qt::LeftButton);
                previewAfterFailure = p->isVisible();
                QTest::mouseClick(p->CancelButton, Qt::LeftButton);
            });
            QTest::mouseClick(d.PrevButton, Qt::LeftButton);
            dialogVisibleAfter = d.isVisible();
            d.reject();
        });
        PrinterSetup::setHook(previous);
        QCOMPARE(answers.lastText(), u"Der Drucker konnte nicht angesprochen werden."_s);
        QVERIFY(previewAfterFailure);
        QVERIFY(dialogVisibleAfter);
        QVERIFY(!m_w->state.run.previewOpen);
    }

    // "Als PDF speichern…" in the dialog and in the preview write the pages shown into the file the
    // user names; a file that cannot be written is said, with its reason.
    void pdfFromTheDialogAndThePreview() {
        MessageBoxAnswerer answers;
        const QString file = m_out.filePath(u"Velta98.pdf"_s);
        QFile::remove(file);
        QByteArray fromDialog;
        QByteArray fromPreview;
        QString previewMessage;
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            QTest::mouseClick(d.PdfButton, Qt::LeftButton);
            fromDialog = TestFiles::readAll(file);
            QFile::remove(file);
            whenOpen<TfrmPreview>([&](TfrmPreview* p) {
                QTest::mouseClick(p->PdfButton, Qt::LeftButton);
                previewMessage = answers.lastText();
                QTest::mouseClick(p->CancelButton, Qt::LeftButton);
            });
            QTest::mouseClick(d.PrevButton, Qt::LeftButton);
            fromPreview = TestFiles::readAll(file);
            d.reject();
        });
        QVERIFY(fromDialog.startsWith("%PDF"));
        QVERIFY(fromPreview.startsWith("%PDF"));
        QCOMPARE(previewMessage, file + u"\rwurde angelegt."_s);

        const PrintOutput::FileAsker previous = PrintOutput::setFileAsker(
            [this](QWidget*, const QString&) { return m_out.filePath(u"fehlt/karte.pdf"_s); });
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            QTest::mouseClick(d.PdfButton, Qt::LeftButton);
            d.reject();
        });
        PrintOutput::setFileAsker(previous);
        QCOMPARE(answers.shown().last().caption, u"Fehler"_s);
        QVERIFY2(answers.lastText().contains(u"fehlt/karte.pdf"_s), qPrintable(answers.lastText()));
    }

    // What the dialog was left with is there again at the next start, from DRUCKEN.CFG beside the
    // tables; a file with values the dialog does not have keeps its defaults for them.
    void settingsAreRememberedAcrossStarts() {
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            QTest::mouseClick(d.lay2, Qt::LeftButton);
            d.Trennedit->setCurrentIndex(int(PrintSettings::Separator::Ornament));
            d.PapCombo->setCurrentIndex(int(PrintSettings::Paper::A5));
            QTest::mouseClick(d.KategorienCheck, Qt::LeftButton);
            QTest::mouseClick(d.AbbrechenButton, Qt::LeftButton);
        });
        const QString file = m_w->state.folders.dataFolder + u"/DRUCKEN.CFG"_s;
        QVERIFY(QFile::exists(file));
        StartupFixture::closeProgram(m_w); // the program ends, and starts again on the same folder
        m_w = std::make_unique<ProgramWindows>(ProgramWindows::withoutIni(m_dir->path()));
        QVERIFY(m_w->main.create());
        m_w->state.run.readOnly = false;
        m_w->main.show();
        QStringList shown;
        runWithDialog(u"DruckenMehrere"_s, [&](TDruckdialog& d) {
            shown = {d.lay2->isChecked() ? u"Barkarte"_s : u"Rezeptkarte"_s, d.Trennedit->currentText(),
                     d.PapCombo->currentText(),
                     d.KategorienCheck->isChecked() ? u"nach Kategorien"_s : u""_s};
            d.reject();
        });
        QCOMPARE(shown, strings({"Barkarte", "Ornament", "DIN A5", "nach Kategorien"}));

        QVERIFY(TestFiles::writeAll(file, "[Drucken]\r\nTrennzeichen=9\r\nPapier=A5\r\nTextSchrift=Arial\r\n"
                                          "TextGroesse=200\r\n"));
        PrintSettings settings;
        PrintFonts fonts;
        PrintSettingsFile::load(file, &settings, &fonts);
        QCOMPARE(int(settings.separator), int(PrintSettings().separator));
        QCOMPARE(int(settings.paper), int(PrintSettings().paper));
        QCOMPARE(fonts.at(PrintFonts::kText).size, PrintFonts().at(PrintFonts::kText).size);
    }

    void textFileIsWrittenAndConfirmed() {
        MessageBoxAnswerer answers;
        QString name;
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            name = d.DruckListbox->text(0);
            QTest::mouseClick(d.Exportbutton, Qt::LeftButton);
            QTest::mouseClick(d.AbbrechenButton, Qt::LeftButton);
        });
        const QString path = m_out.filePath(u"Velta98.txt"_s);
        const QByteArray written = TestFiles::readAll(path);
        QVERIFY(written.startsWith(QByteArray(Cp1252::fromUnicode(name) + "\r\n")));
        QVERIFY(written.contains("\r\nFoto-Bitmap: "));
        QCOMPARE(answers.lastText(), path + u"\rwurde angelegt."_s);
        QCOMPARE(answers.shown().last().lines, 3);
    }

    // The printout follows the unit amounts are shown in: the card of the drink shown, in ounces.
    void textFileInTheShownUnit() {
        MessageBoxAnswerer answers;
        clickRow(m_w->main.HauptListBox, m_w->main.HauptListBox->findRow(u"Mojito"_s));
        m_w->state.settings.useShownUnit(DisplayUnit::Oz);
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            QTest::mouseClick(d.Exportbutton, Qt::LeftButton);
            QTest::mouseClick(d.AbbrechenButton, Qt::LeftButton);
        });
        const QByteArray written = TestFiles::readAll(m_out.filePath(u"Velta98.txt"_s));
        QVERIFY2(written.startsWith("Mojito\r\n1\xbc oz  Wei\xdf"
                                    "er Rum\r\n\xbe oz  Limettensaft\r\n"),
                 written.constData());
        QVERIFY(written.contains("\r\n10 g  Rohrzucker\r\n"));
        QVERIFY(written.contains("\r\nMenge: 4 oz\r\n"));
    }

    // The bar card of mixable drinks, chosen on the layout page: with every third ingredient in
    // bar 2 and one purchase, the text file holds exactly the drinks the mixable test keeps; an
    // empty bar keeps none, which is told instead of writing an empty file.
    void mixableBarCard() {
        MessageBoxAnswerer answers;
        m_w->state.catalogue.changeIngredients([](IngredientChoices& c) {
            for (int n = 1; n <= HomeBarTable::kMaxNumber; n += 3)
                c.homeBars.set(2, n, true);
        });
        QList<bool> enabledOnCards;
        QList<bool> enabledOnList;
        QList<bool> inListColumn;
        QByteArray written;
        QString emptyBar;
        runWithDialog(u"DruckenMehrere"_s, [&](TDruckdialog& d) {
            d.VorgabePopup->actions().at(1)->trigger();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
            QTest::mouseClick(d.lay1, Qt::LeftButton);
            enabledOnCards = {d.MixCheck->isEnabled(), d.MixBarCombo->isEnabled()};
            QTest::mouseClick(d.lay2, Qt::LeftButton);
            enabledOnList = {d.MixCheck->isEnabled(), d.MixBarCombo->isEnabled()};
            // It is a bar card option: in the bar card's column, under its other options.
            for (const QWidget* w : {static_cast<QWidget*>(d.MixCheck), static_cast<QWidget*>(d.MixBarCombo),
                                     static_cast<QWidget*>(d.MixZukaufCombo)})
                inListColumn << (w->x() >= d.lay2->x() &&
                                 w->geometry().right() <= d.lay2->geometry().right() &&
                                 w->y() > d.NumCheck->y());
            QTest::mouseClick(d.MixCheck, Qt::LeftButton);
            enabledOnList << d.MixBarCombo->isEnabled() << d.MixZukaufCombo->isEnabled();
            d.MixBarCombo->setFocus();
            QTest::keyClick(d.MixBarCombo, Qt::Key_Down); // "Hausbar Nr. 2"
            d.MixZukaufCombo->setFocus();
            QTest::keyClick(d.MixZukaufCombo, Qt::Key_Down); // "1 Zukauf"
            QTest::mouseClick(d.Exportbutton, Qt::LeftButton);
            written = TestFiles::readAll(m_out.filePath(u"Velta98.txt"_s));
            QFile::remove(m_out.filePath(u"Velta98.txt"_s));
            QTest::keyClick(d.MixBarCombo, Qt::Key_Down);  // "Hausbar Nr. 3", empty
            QTest::keyClick(d.MixZukaufCombo, Qt::Key_Up); // "ohne Zukauf"
            QTest::mouseClick(d.Exportbutton, Qt::LeftButton);
            emptyBar = answers.lastText();
            QTest::mouseClick(d.AbbrechenButton, Qt::LeftButton);
        });
        QCOMPARE(enabledOnCards, (QList<bool>{false, false}));
        QCOMPARE(enabledOnList, (QList<bool>{true, false, true, true}));
        QCOMPARE(inListColumn, (QList<bool>{true, true, true}));
        QCOMPARE(emptyBar, PrintSession::nothingMixableText(3));
        QVERIFY(!QFileInfo::exists(m_out.filePath(u"Velta98.txt"_s)));
        TApollo& recipes = m_w->tables.ApolloRezepte;
        const HomeBarTable& bars = m_w->state.catalogue.ingredients().homeBars;
        int mixable = 0;
        for (int recNo : session().chosenRecNos()) {
            recipes.Go(recNo);
            mixable += bars.Mixable(recipes.GetPaddedString(u"Z"_s), 2, 1) ? 1 : 0;
        }
        QVERIFY(mixable > 0 && mixable < session().chosen().size());
        QCOMPARE(int(written.count("\r\nMenge: ")), mixable);
        // Off again, every chosen drink is printed: the choice is off by default and can be undone.
        QCOMPARE(session().settings.mixableBar, 3);
        session().settings.mixableBar = 0;
        QVERIFY(!session().settings.keepsOnlyMixable());
    }

    void readOnlyRefusesEveryOutput_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("Drucken") << 0;
        QTest::newRow("Vorschau") << 1;
        QTest::newRow("Textdatei") << 2;
    }
    void readOnlyRefusesEveryOutput() {
        QFETCH(int, button);
        MessageBoxAnswerer answers;
        m_w->state.run.readOnly = true;
        bool visibleAfter = true;
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            QTest::mouseClick(QList<QPushButton*>{d.OkButton, d.PrevButton, d.Exportbutton}.at(button),
                              Qt::LeftButton);
            visibleAfter = d.isVisible();
            if (visibleAfter)
                d.reject();
        });
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().text, Notice::readOnly().text);
        QVERIFY(!visibleAfter);
        QVERIFY(!QFile::exists(pdf()));
        QVERIFY(!QFile::exists(m_out.filePath(u"Velta98.txt"_s)));
    }

    void fontChooserSetsThePrintFont() {
        QString chooserCaption;
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            whenOpen<TSchriftdialog>([&](TSchriftdialog* chooser) {
                chooserCaption = chooser->caption();
                const auto items =
                    chooser->Schriftnamelist->findItems(u"Liberation Serif"_s, Qt::MatchExactly);
                if (!items.isEmpty()) {
                    QListWidget* names = chooser->Schriftnamelist;
                    QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                                      names->visualItemRect(items.first()).center());
                }
                chooser->groesseedit->setText(u"12"_s);
                chooser->accept();
            });
            d.SchriftPopup->actions().at(1)->trigger(); // "&Text"
            QTest::mouseClick(d.AbbrechenButton, Qt::LeftButton);
        });
        QCOMPARE(chooserCaption, u"Schriftart"_s);
        QCOMPARE(session().fonts.at(PrintFonts::kText).name, u"Liberation Serif"_s);
        QCOMPARE(session().fonts.at(PrintFonts::kText).size, 12);
        QCOMPARE(session().fonts.at(PrintFonts::kHeading).name, u"TIMES NEW ROMAN"_s);
    }

    void printerSetUpTakesPaperAndOrientation() {
        PrinterSetup::Hook previous = PrinterSetup::setHook([](QPrinter& printer) {
            printer.setPageSize(QPageSize(QPageSize::A5));
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        });
        QStringList shown;
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            QTest::mouseClick(d.ExplorerButton2, Qt::LeftButton);
            shown = {d.PapCombo->currentText(), d.AusCombo->currentText()};
            QTest::mouseClick(d.AbbrechenButton, Qt::LeftButton);
        });
        PrinterSetup::setHook(previous);
        QCOMPARE(shown, strings({"DIN A5", "Querformat"}));
    }

    // The preview's printer set-up starts from the dialog's page with its 15 mm margins, and the
    // paper and orientation chosen there lay the pages out anew, print so, and stay the dialog's.
    void previewSetUpTakesPaperAndOrientation() {
        QMarginsF offered;
        PrinterSetup::Hook previous = PrinterSetup::setHook([this, &offered](QPrinter& printer) {
            offered = printer.pageLayout().margins(QPageLayout::Millimeter);
            printer.setPageSize(QPageSize(QPageSize::A5));
            printer.setPageOrientation(QPageLayout::Landscape);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf());
            return true;
        });
        QSizeF shownPage;
        QStringList shown;
        runWithDialog(u"DruckenAktuell"_s, [&](TDruckdialog& d) {
            whenOpen<TfrmPreview>([&](TfrmPreview* p) {
                QTest::mouseClick(p->SpeedButton8, Qt::LeftButton);
                shownPage = p->view->report().document().page.pageSize();
                QTest::mouseClick(p->OkButton, Qt::LeftButton);
            });
            QTest::mouseClick(d.PrevButton, Qt::LeftButton);
            shown = {d.PapCombo->currentText(), d.AusCombo->currentText()};
            if (d.isVisible())
                d.reject();
        });
        PrinterSetup::setHook(previous);
        QCOMPARE(offered, QMarginsF(15, 15, 15, 15));
        QCOMPARE(shownPage, QSizeF(210, 148));
        const QByteArray written = TestFiles::readAll(pdf());
        QVERIFY(written.contains("/MediaBox [0 0 595"));
        QCOMPARE(shown, strings({"DIN A5", "Querformat"}));
    }

    // Ctrl+D, the toolbar button, its drop-down and the menu all reach the dialog in their mode.
    void mainWindowCommandsOpenTheDialog_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<bool>("several");
        QTest::newRow("Strg+D") << 0 << false;
        QTest::newRow("toolbar button") << 1 << false;
        QTest::newRow("drop-down: mehrere Getränke") << 2 << true;
        QTest::newRow("menu: Mehrere Getränke") << 3 << true;
    }
    void mainWindowCommandsOpenTheDialog() {
        QFETCH(int, way);
        QFETCH(bool, several);
        m_w->main.activateWindow();
        QCoreApplication::processEvents();
        int page = -1;
        bool opened = false;
        whenOpen<TDruckdialog>([&](TDruckdialog* d) {
            opened = true;
            page = d->DasControl->currentIndex();
            QTest::mouseClick(d->AbbrechenButton, Qt::LeftButton);
        });
        ToolbarPanel* bar = m_w->main.Panel1;
        const bool hi = bar->button(true, 10)->isVisible();
        switch (way) {
        case 0:
            QTest::keyClick(&m_w->main, Qt::Key_D, Qt::ControlModifier);
            break;
        case 1:
            QTest::mouseClick(bar->button(hi, 10), Qt::LeftButton, {}, QPoint(10, 10));
            break;
        case 2:
            bar->DruckPopup->actions().at(1)->trigger();
            break;
        default:
            m_w->main.menu->action(u"DruckenMehrere"_s)->trigger();
        }
        QTRY_VERIFY(opened);
        QCOMPARE(page, several ? 0 : 1);
    }

    void emptyListOpensNoDialog() {
        m_w->main.HauptListBox->setEntries({});
        bool opened = false;
        QTimer::singleShot(0, &dialog(), [&] {
            opened = dialog().isVisible();
            dialog().reject();
        });
        m_w->main.commands->run(u"DruckenAktuell"_s);
        QCoreApplication::processEvents();
        QVERIFY(!opened);
    }
};

VELTA_TEST_MAIN_GUI(TestPrintDialog)
#include "tst_printdialog.moc"
