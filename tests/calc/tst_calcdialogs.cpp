#include "MessageBoxAnswerer.h"
#include "SilentSoundBackend.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "UserInput.h"
#include "VeltaGuiTest.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "browser/RecipeDisplay.h"
#include "browser/RecipeTextLayout.h"
#include "browser/gui/BrowserController.h"
#include "browser/gui/RecipeView.h"
#include "calc/gui/BloodAlcoholCommand.h"
#include "calc/gui/NumberField.h"
#include "calc/gui/PartyPlannerDialog.h"
#include "calc/gui/QuantityCommand.h"
#include "common/MyDrinksSession.h"
#include "print/gui/PrinterSetup.h"
#include "ui/ClipboardText.h"
#include "ui/EntryList.h"
#include "ui/TypeAheadField.h"

#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace UserInput;

// The quantity calculator and the blood alcohol assistant as the user meets them: opened by their
// commands and by clicks in the recipe on the shipped data, driven by keys and clicks; what the
// dialogs showed is captured and checked after they closed.
class TestCalcDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;
    std::unique_ptr<SilentSoundBackend> m_sound;

    void show(const QString& recipe) {
        EntryList* list = m_w->main.HauptListBox;
        list->setCurrentRow(list->findRow(recipe));
        m_w->main.browser->selectionChanged();
    }
    const RecipeDisplay& display() { return m_w->main.browser->browser().display(); }
    void clickLine(int line) {
        QTest::mouseClick(m_w->main.AusgabePaintBox, Qt::LeftButton, {}, linePoint(display(), line));
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        QVERIFY(StartupFixture::make(m_dir->path()));
        m_w = std::make_unique<ProgramWindows>(ProgramWindows::withoutIni(m_dir->path()));
        QVERIFY(m_w->main.create());
        AppState& state = m_w->state;
        state.settings.changeOptions().set(OptionsRecord::BodyWeight, 70);
        state.settings.changeOptions().set(OptionsRecord::DrinkingHours, 0);
        state.settings.changeOptions().set(OptionsRecord::AmountUnit, 1);
        state.settings.changeOptions().set(OptionsRecord::Noises, 1);
        state.settings.changeOptions().set(OptionsRecord::Speech, 1);
        m_w->main.setWindowState(Qt::WindowNoState);
        m_w->main.resize(800, 600);
        m_w->main.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_w->main));
        state.run.waveAvailable = true;
        m_sound = std::make_unique<SilentSoundBackend>();
        show(u"Mojito"_s);
    }
    void cleanup() {
        if (m_w)
            m_w->main.close();
        m_w.reset();
        m_sound.reset();
    }

    void quantityOfTheShownRecipe() {
        MessageBoxAnswerer answers;
        QString heading;
        QString pieces;
        QString litre;
        QString small;
        QString zero;
        QString bottle;
        bool popup = false;
        TMengeDialog& dialog = m_w->main.dialogs().get<QuantityCommand>().dialog;
        whileOpen<TMengeDialog>(dialog, [&](TMengeDialog& d) {
            replaceText(d.MengeEdit->edit(), u"2"_s);
            heading = d.Namelabel->text();
            pieces = d.Ausgabememo->toPlainText();
            QTest::mouseClick(d.RadioButton5, Qt::LeftButton);
            QTest::keyClick(d.MengeEdit->edit(), Qt::Key_Down); // 1 litre
            QTest::mouseClick(d.ausg2, Qt::LeftButton);
            litre = d.Ausgabememo->toPlainText();
            const QPoint at = d.Ausgabememo->viewport()->mapTo(&d, QPoint(10, 10));
            QTest::mousePress(d.windowHandle(), Qt::RightButton, {}, at);
            QTest::mouseRelease(d.windowHandle(), Qt::RightButton, {}, at);
            popup = d.PopupMenu->isVisible();
            d.PopupMenu->hide();
            d.Zwischenablage1->trigger();
            QTest::mouseClick(d.RadioButton2, Qt::LeftButton);
            replaceText(d.MengeEdit->edit(), u"90"_s);
            small = d.Ausgabememo->toPlainText();
            // A litre bottle made ahead: the soda waits for the glass, a built drink gets no water.
            replaceText(d.MengeEdit->edit(), u"1000"_s);
            QTest::mouseClick(d.VorratBox, Qt::LeftButton);
            bottle = d.Namelabel->text() + u'\n' + d.Ausgabememo->toPlainText();
            QTest::mouseClick(d.VorratBox, Qt::LeftButton);
            QTest::mouseClick(d.RadioButton1, Qt::LeftButton);
            replaceText(d.MengeEdit->edit(), u"0"_s);
            zero = d.MengeEdit->text();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"Menge"_s);
        QCOMPARE(heading, u"2 Mojito"_s);
        QCOMPARE(pieces,
                 u"8 cl Weißer Rum\n4 cl Limettensaft\nMinze\n20 g Rohrzucker\n12 cl Soda\nCrushed Ice"_s);
        // A litre is 8.33 drinks of 12 cl.
        QCOMPARE(
            litre,
            u"0,33 Liter Weißer Rum\n0,17 Liter Limettensaft\nMinze\n83 g Rohrzucker\n0,50 Liter Soda\nCrushed Ice"_s);
        QVERIFY(popup);
        QCOMPARE(QApplication::clipboard()->text(), u"1 Liter Mojito\n\n"_s + litre + u"\n"_s);
        QCOMPARE(answers.lastText(), u"Der Text wurde in die Zwischenablage kopiert."_s);
        QCOMPARE(small, u"Wählen Sie eine größere Menge"_s);
        // 6 cl still per glass: a litre holds 16,7 glasses.
        QCOMPARE(bottle, u"1000 ml Mojito als Vorratsflasche\n667 ml Weißer Rum\n333 ml Limettensaft\nMinze\n"
                         u"167 g Rohrzucker\n\nJe Glas 60 ml einschenken (ca. 16,7 Gläser).\n"
                         u"Beim Servieren je Glas: 60 ml Soda\n"
                         u"Kalt stellen und im Glas auf frische Eiswürfel gießen."_s);
        QCOMPARE(zero, u"1"_s);
        QTRY_VERIFY(m_sound->played().contains(m_w->state.folders.soundFolder + u"9.WAV"_s));
    }

    void amountLineOpensTheCalculator() {
        QString heading;
        TMengeDialog& dialog = m_w->main.dialogs().get<QuantityCommand>().dialog;
        whileOpen<TMengeDialog>(dialog, [&](TMengeDialog& d) {
            heading = d.Namelabel->text();
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        clickLine(display().amountLine);
        QVERIFY(heading.endsWith(u" Mojito"_s));
    }

    // The party planner over the calculator: drinks added by name with their glasses (the same
    // drink twice adds up, up to 999 with a notice), one removed again, home bar 1 holding the white
    // rum; the list is copied and printed (to a PDF, as a user without a printer would). Opened again
    // with "Immer im Haus" switched on, it starts with an empty search field and lists the ice a
    // party needs under its own heading.
    void partyPlanner() {
        MessageBoxAnswerer answers;
        TempDataFolder out;
        const QString pdf = out.filePath(u"party.pdf"_s);
        const PrinterSetup::Hook previous = PrinterSetup::setHook([&pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        m_w->state.catalogue.changeIngredients(
            [&](IngredientChoices& c) { c.homeBars.set(1, 26, true); }); // "Weißer Rum"
        QuantityCommand& menge = m_w->main.dialogs().get<QuantityCommand>();
        QStringList added;
        QStringList kept;
        QString shown;
        QString copied;
        QString copyAnswer;
        QString cappedAnswer;
        QString cappedRow;
        QString searchAgain = u"?"_s;
        QString shownAgain;
        QString noGuestsAnswer;
        QString proposed;
        QStringList partyLines;
        whileOpen<TMengeDialog>(menge.dialog, [&](TMengeDialog& d) {
            whileOpen<PartyPlannerDialog>(menge.partyDialog, [&](PartyPlannerDialog& p) {
                QTest::keyClicks(p.Suchfeld, u"Mojito"_s);
                replaceText(p.GlaeserEdit->edit(), u"14"_s);
                QTest::mouseClick(p.HinzuButton, Qt::LeftButton);
                replaceText(p.Suchfeld, u"Daiquiri"_s);
                QTest::keyClick(p.Suchfeld, Qt::Key_Return);
                replaceText(p.Suchfeld, u"Mojito"_s);
                replaceText(p.GlaeserEdit->edit(), u"2"_s);
                QTest::mouseClick(p.HinzuButton, Qt::LeftButton);
                for (int row = 0; row < p.Partyliste->count(); ++row)
                    added << p.Partyliste->item(row)->text();
                QListWidget* list = p.Partyliste;
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(1)).center());
                QTest::mouseClick(p.EntfButton, Qt::LeftButton);
                for (int row = 0; row < list->count(); ++row)
                    kept << list->item(row)->text();
                p.HausbarBox->setFocus();
                QTest::keyClick(p.HausbarBox, Qt::Key_Down); // "Hausbar Nr. 1"
                shown = p.Einkaufsliste->toPlainText();
                QTest::mouseClick(p.KopierenButton, Qt::LeftButton);
                copied = QApplication::clipboard()->text();
                copyAnswer = answers.lastText();
                QTest::mouseClick(p.DruckenButton, Qt::LeftButton);
                replaceText(p.Suchfeld, u"Mojito"_s);
                replaceText(p.GlaeserEdit->edit(), u"990"_s);
                QTest::mouseClick(p.HinzuButton, Qt::LeftButton);
                cappedAnswer = answers.lastText();
                cappedRow = list->item(0)->text();
                QTest::mouseClick(p.OkButton, Qt::LeftButton);
            });
            QTest::mouseClick(d.PartyButton, Qt::LeftButton);
            m_w->state.settings.changeBar().alwaysAtHome = true; // crushed ice is one of the basics
            whileOpen<PartyPlannerDialog>(menge.partyDialog, [&](PartyPlannerDialog& p) {
                searchAgain = p.Suchfeld->text();
                shownAgain = p.Einkaufsliste->toPlainText();
                // Ten guests for two hours: thirty drinks proposed, and what the party needs besides.
                QTest::mouseClick(p.VorschlagButton, Qt::LeftButton);
                noGuestsAnswer = answers.lastText();
                replaceText(p.GaesteEdit->edit(), u"10"_s);
                replaceText(p.StundenEdit->edit(), u"2"_s);
                QTest::mouseClick(p.VorschlagButton, Qt::LeftButton);
                proposed = p.Partyliste->item(0)->text();
                const QStringList all = p.Einkaufsliste->toPlainText().split(u'\n');
                partyLines = all.mid(all.indexOf(u"Für 10 Gäste in 2 Stunden:"_s));
                QTest::mouseClick(p.OkButton, Qt::LeftButton);
            });
            QTest::mouseClick(d.PartyButton, Qt::LeftButton);
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"Menge"_s);
        PrinterSetup::setHook(previous);
        QCOMPARE(noGuestsAnswer, PartySession::proposeNotice().text);
        QCOMPARE(proposed, u"30 × Mojito"_s);
        QCOMPARE(partyLines,
                 (QStringList{u"Für 10 Gäste in 2 Stunden:"_s, u"Gläser\t10 St"_s,
                              u"Eis zum Kühlen\tca. 5 kg"_s, u"Limetten\t24 St\tfür 60 cl Limettensaft"_s}));
        QCOMPARE(added, (QStringList{u"16 × Mojito"_s, u"14 × Daiquiri"_s}));
        QCOMPARE(kept, QStringList{u"16 × Mojito"_s});
        const QStringList lines = shown.split(u'\n');
        QCOMPARE(lines.mid(0, 5), (QStringList{u"Partyplaner"_s, u"16 × Mojito"_s, QString(), u"Einkaufen:"_s,
                                               u"Limettensaft\t32 cl\t1 × 1 l oder 1 × 0,33 l"_s}));
        QVERIFY(lines.contains(u"Crushed Ice\tca. 4 kg"_s)); // 250 g a glass, by the bag
        QCOMPARE(lines.mid(lines.size() - 2),
                 (QStringList{u"Vorhanden in Hausbar Nr. 1:"_s, u"Weißer Rum\t64 cl"_s}));
        QCOMPARE(copied, ClipboardText::forPlatform(lines.join(u"\r\n"_s) + u"\r\n"_s));
        QCOMPARE(copyAnswer, u"Der Text wurde in die Zwischenablage kopiert."_s);
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(cappedAnswer, PartySession::cappedNotice(u"Mojito"_s).text);
        QCOMPARE(cappedRow, u"999 × Mojito"_s);
        QCOMPARE(searchAgain, QString());
        const QStringList again = shownAgain.split(u'\n');
        const qsizetype home = again.indexOf(u"Immer im Haus:"_s);
        QVERIFY2(home > 0, qPrintable(shownAgain));
        QCOMPARE(again.at(home + 1), u"Crushed Ice\tca. 250 kg"_s);
        QVERIFY(!again.mid(0, home).contains(u"Crushed Ice\tca. 250 kg"_s));
    }

    void bloodAlcoholFromDrinks() {
        MessageBoxAnswerer answers;
        QStringList consumed;
        QString emptyAmount;
        QString lightWeight;
        QStringList outOfRange; // "notice|field|page"
        QString label;
        bool forwardAtResult = true;
        TBlutdialog& dialog = m_w->main.dialogs().get<BloodAlcoholCommand>().dialog;
        whileOpen<TBlutdialog>(dialog, [&](TBlutdialog& d) {
            QTest::keyClicks(d.Editfeld, u"wodka*"_s);
            replaceText(d.ZukaufEdit->edit(), u"4"_s);
            QTest::keyClick(d.ZukaufEdit->edit(), Qt::Key_Return); // 4 cl: 12 g
            replaceText(d.ZukaufEdit->edit(), QString());
            QTest::mouseClick(d.HinzuButton, Qt::LeftButton);
            emptyAmount = answers.lastText();
            replaceText(d.Editfeld, u"Mojito"_s);
            replaceText(d.ZukaufEdit->edit(), u"2"_s);
            QTest::keyClick(d.combo, Qt::Key_Up); // "Stück": 2 glasses of 12 cl at the recipe's alcohol
            QTest::mouseClick(d.HinzuButton, Qt::LeftButton);
            for (int row = 0; row < d.SuffListbox->count(); ++row)
                consumed << d.SuffListbox->text(row);
            QTest::mouseClick(d.weiterbutton, Qt::LeftButton);
            replaceText(d.GewichtEdit->edit(), u"5"_s);
            QTest::keyClick(d.GewichtEdit->edit(), Qt::Key_W,
                            Qt::AltModifier); // the button's key while typing
            QTRY_VERIFY(!answers.lastText().isEmpty() && answers.lastText() != emptyAmount);
            lightWeight = answers.lastText();
            // Beyond the range and confirmed by a click, which takes the focus from the field.
            for (const QString& typed : {u"350"_s, u"19"_s}) {
                const qsizetype before = answers.shown().size();
                replaceText(d.GewichtEdit->edit(), typed);
                QTest::mouseClick(d.weiterbutton, Qt::LeftButton);
                outOfRange << (answers.shown().size() > before ? answers.lastText() : QString()) + u'|' +
                                  d.GewichtEdit->text() + u'|' + QString::number(d.note->currentIndex());
            }
            replaceText(d.GewichtEdit->edit(), u"70"_s);
            QTest::mouseClick(d.weiterbutton, Qt::LeftButton);
            QTest::mouseClick(d.weiterbutton, Qt::LeftButton);
            label = d.PromilleLabel->text();
            forwardAtResult = d.weiterbutton->isEnabled();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"Promille"_s);
        QCOMPARE(emptyAmount, u"Geben Sie bitte eine Menge zwischen 1 und 9999 ein."_s);
        const QString weightNotice = u"Geben Sie bitte ein Körpergewicht zwischen 20 und 300 kg ein."_s;
        QCOMPARE(lightWeight, weightNotice);
        QCOMPARE(outOfRange, (QStringList{weightNotice + u"|350|1"_s, weightNotice + u"|19|1"_s}));
        QCOMPARE(consumed.size(), 2);
        QCOMPARE(consumed.first(), u"4 cl Wodka***"_s);
        QCOMPARE(consumed.last(), u"24 cl Mojito"_s);
        const qint64 grams = m_w->main.dialogs().get<BloodAlcoholCommand>().session.totalGrams();
        QVERIFY(grams > 12);
        QCOMPARE(label, QString::number(double(grams) / 49.0, 'f', 2));
        QVERIFY(!forwardAtResult);
        const QString folder = m_w->state.folders.soundFolder;
        const QStringList played = m_sound->played();
        QCOMPARE(played.mid(0, 4), (QStringList{folder + u"15.WAV"_s, folder + u"17.WAV"_s,
                                                folder + u"19.WAV"_s, folder + u"16.WAV"_s}));
        QCOMPARE(played.last(), folder + u"5.WAV"_s);
    }

    // "Heute gemixt" takes the journal's glasses of today; the body water of a woman and the time back at
    // 0,0 show on the result page.
    void myEveningInTheAssistant() {
        AppState& state = m_w->state;
        show(u"Mojito"_s);
        MyDrinksSession journal(state.myDrinks, m_w->tables.ApolloRezepte);
        QVERIFY(journal.mixed(m_w->main.browser->CurrentRecNo(), 2, QDate::currentDate()));
        QStringList consumed;
        QString label;
        QString sober;
        TBlutdialog& dialog = m_w->main.dialogs().get<BloodAlcoholCommand>().dialog;
        whileOpen<TBlutdialog>(dialog, [&](TBlutdialog& d) {
            QTest::mouseClick(d.HeuteButton, Qt::LeftButton);
            for (int row = 0; row < d.SuffListbox->count(); ++row)
                consumed << d.SuffListbox->text(row);
            QTest::mouseClick(d.weiterbutton, Qt::LeftButton);
            replaceText(d.GewichtEdit->edit(), u"70"_s);
            QTest::keyClick(&d, Qt::Key_S, Qt::AltModifier); // "Körperwa&sser"
            QTest::keyClick(d.KoerperCombo, Qt::Key_Down);
            QTest::keyClick(d.KoerperCombo, Qt::Key_Down);
            QTest::mouseClick(d.weiterbutton, Qt::LeftButton);
            replaceText(d.ZeitEdit->edit(), u"0"_s);
            QTest::mouseClick(d.weiterbutton, Qt::LeftButton);
            label = d.PromilleLabel->text();
            sober = d.NuechternLabel->text();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        m_w->main.commands->run(u"Promille"_s);
        QCOMPARE(consumed, QStringList{u"24 cl Mojito"_s});
        const qint64 grams = m_w->main.dialogs().get<BloodAlcoholCommand>().session.totalGrams();
        QCOMPARE(label, QString::number(double(grams) / (70 * 0.55), 'f', 2));
        QVERIFY2(sober.startsWith(u"Bei einem Abbau von 0,15 ‰ pro Stunde wieder bei 0,0 ‰ in etwa "_s),
                 qPrintable(sober));
        QVERIFY(sober.endsWith(u"Nur eine Schätzung – keine Erlaubnis, Auto zu fahren."_s));
    }

    void alcoholLineOpensTheAssistant() {
        int drinks = 0;
        TBlutdialog& dialog = m_w->main.dialogs().get<BloodAlcoholCommand>().dialog;
        whileOpen<TBlutdialog>(dialog, [&](TBlutdialog& d) {
            drinks = d.BlutListBox->count();
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        clickLine(display().alcoholLine);
        // Every recipe and the cl and dash ingredients.
        QVERIFY(drinks > m_w->state.catalogue.recipeTotal());
        QCOMPARE(drinks,
                 m_w->state.catalogue.recipeTotal() + m_w->state.catalogue.ingredients().bloodAlcohol.size());
    }
};

VELTA_TEST_MAIN_GUI(TestCalcDialogs)
#include "tst_calcdialogs.moc"
