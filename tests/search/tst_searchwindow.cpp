#include "MessageBoxAnswerer.h"
#include "SilentSoundBackend.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "VeltaGuiTest.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "app/ToolbarPanel.h"
#include "browser/gui/BrowserController.h"
#include "common/GlassStrength.h"
#include "common/RecipeBook.h"
#include "common/TextFold.h"
#include "reference/gui/IngredientInfoView.h"
#include "reference/gui/TZutateninfodialog.h"
#include "search/gui/SearchCommand.h"
#include "store/TApollo.h"
#include "ui/EntryList.h"
#include "ui/UpDownButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// While alive, runs each step on the next dialog that is shown, in order, once its modal loop
// runs; the same dialog shown again takes the next step.
class DialogSteps : public QObject {
public:
    using Step = std::function<void(QWidget*)>;
    explicit DialogSteps(QList<Step> steps) : m_steps(std::move(steps)) { qApp->installEventFilter(this); }
    ~DialogSteps() override { qApp->removeEventFilter(this); }
    DialogSteps(const DialogSteps&) = delete;
    DialogSteps& operator=(const DialogSteps&) = delete;
    qsizetype left() const { return m_steps.size(); }
    // A dialog that never became active had its step skipped: what it checks went unchecked.
    bool missed() const { return m_missed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && !m_steps.isEmpty()) {
            Step step = m_steps.takeFirst();
            // A window manager activates a modal dialog when it opens; offscreen the test does.
            QTimer::singleShot(0, dialog, [this, step, dialog] {
                dialog->activateWindow();
                if (QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }, 1000))
                    step(dialog);
                else
                    m_missed = true;
                // A step that failed half-way leaves its dialog open: close it so the test ends.
                if (dialog->isVisible())
                    dialog->reject();
            });
        }
        return false;
    }

private:
    QList<Step> m_steps;
    bool m_missed = false;
};

// Types text key by key, also letters outside ASCII (QTest::keyClicks takes ASCII only).
void typeKeys(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

void choose(QComboBox* box, const QString& typed) {
    box->setFocus();
    typeKeys(box, typed);
}

void type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// "All drinks with rum or cachaça but without cream, category Tiki, 10 to 25 %".
void enterExample(TSuchenDialog& d) {
    choose(d.undcombo[0], u"Weißer Rum"_s);
    choose(d.odercombo[0], u"Cachaça"_s);
    choose(d.undcombo[1], u"Sahne"_s);
    d.mitcombo[1]->setFocus();
    QTest::keyClick(d.mitcombo[1], Qt::Key_Down); // "ohne"
    choose(d.katcombo, u"Tiki"_s);
    type(d.MinAlkEdit, u"10"_s);
    type(d.MaxAlkEdit, u"25"_s);
}

} // namespace

// The search as the user meets it in the program on the shipped data: the toolbar's search
// buttons, the dialog, the list it leaves, the clear command and the saved searches across a
// restart.
class TestSearchWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;
    std::unique_ptr<SilentSoundBackend> m_sound;

    void start() {
        m_w = std::make_unique<ProgramWindows>(ProgramWindows::withoutIni(m_dir->path()));
        // As the start-up does before the main window is created.
        m_w->state.savedSearches = SavedSearches::load(m_dir->path() + u"/DATEN/SUCHEN.CFG"_s);
        QVERIFY(m_w->main.create());
        m_w->state.run.readOnly = false;
        m_w->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_w->main));
        m_w->state.run.waveAvailable = true; // the silent backend stands in for the device
    }
    // Saves the search shown into a slot (0..9) under a name, through the menu and the name dialog;
    // further steps follow for the dialogs shown after it.
    void saveAs(int slot, const QString& name, int key = Qt::Key_Return) {
        DialogSteps names({[name, key](QWidget* w) {
            auto* edit = w->findChild<QLineEdit*>(u"Edit"_s);
            edit->selectAll();
            QTest::keyClicks(edit, name);
            QTest::keyClick(edit, Qt::Key(key));
        }});
        chooseSlot(dialog().Speichernbutton, slot);
    }
    TMain& main() { return m_w->main; }
    TSuchenDialog& dialog() { return main().dialogs().get<SearchCommand>().dialog; }
    SearchSession& session() { return main().dialogs().get<SearchCommand>().session; }
    QToolButton* toolbarButton(int k) { return main().Panel1->button(true, k); }
    int listed() { return main().recipes().ListedCount(); }
    QList<int> listedRecords() { return main().browser->browser().list().recordNumbers(); }
    QStringList noises() const {
        QStringList out;
        for (const QString& path : m_sound->played())
            out << path.section(u'/', -1);
        return out;
    }
    // Starts a search with toolbar button 3; each showing of a dialog runs the next step.
    void runSearch(QList<DialogSteps::Step> steps) {
        DialogSteps driver(std::move(steps));
        QTest::mouseClick(toolbarButton(3), Qt::LeftButton);
        QVERIFY(!driver.missed());
    }
    // Chooses slot (0..9) from a button's drop-down menu by keys, as the user can.
    static void chooseSlot(QPushButton* button, int slot) {
        QTimer::singleShot(50, [slot] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                for (int i = 0; i <= slot; ++i) // the first Down selects the first item
                    QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Return);
            }
        });
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The main window active again, as a window manager leaves it when a dialog closes.
    bool activateMain() {
        main().activateWindow();
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == &main(); }, 1000);
    }
    int sahne() const {
        for (const ListEntry& e : m_w->state.catalogue.ingredients().zutatliste)
            if (e.text == u"Sahne"_s)
                return e.data;
        return 0;
    }
    // The drinks a filter selects, counted by the store directly.
    int matching(const QString& expression) {
        TApollo& recipes = m_w->tables.ApolloRezepte;
        const int n = recipes.Query(expression);
        recipes.Query(QString());
        return n;
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        QVERIFY(StartupFixture::make(m_dir->path()));
        m_sound = std::make_unique<SilentSoundBackend>();
        start();
    }
    void cleanup() {
        if (m_w)
            m_w->main.close();
        m_w.reset();
        m_sound.reset();
    }

    // A full text alone narrows the list to the drinks whose texts hold every word, typed with
    // umlauts spelled out; a full text with criteria narrows what they find; clearing the search
    // lists every drink again and empties the field.
    void fullTextFindsAndClears() {
        const int total = listed();
        MessageBoxAnswerer answers;
        runSearch({[&](QWidget*) {
            type(dialog().VolltextEdit, u"gluehwein zimt"_s);
            QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
        }});
        QVERIFY(answers.shown().isEmpty());
        const int found = listed();
        QVERIFY2(found > 1 && found < 40, qPrintable(QString::number(found)));
        // Found in the name, the memo or an ingredient's name ("Glühweingewürz").
        RecipeBook book(m_w->tables.ApolloRezepte, m_w->tables.ApolloZutaten);
        for (const int recNo : listedRecords()) {
            const RecipeRecord recipe = book.read(recNo);
            QString text = recipe.name + u' ' + recipe.memo;
            for (const RecipeRecord::Line& line : recipe.lines)
                text += u' ' + line.ingredient.name;
            text = TextFold::fold(text);
            QVERIFY2(text.contains(u"gluhwein"_s) && text.contains(u"zimt"_s), qPrintable(text));
        }
        QVERIFY(toolbarButton(4)->isEnabled());

        runSearch({[&](QWidget*) {
            QCOMPARE(dialog().VolltextEdit->text(), u"gluehwein zimt"_s); // kept for the next search
            type(dialog().MinAlkEdit, u"1"_s);
            QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
        }});
        const int alcoholic = listed();
        QVERIFY(alcoholic > 0 && alcoholic < found);

        QTest::mouseClick(toolbarButton(4), Qt::LeftButton);
        QCOMPARE(listed(), total);
        runSearch({[&](QWidget*) {
            QCOMPARE(dialog().VolltextEdit->text(), QString());
            QTest::mouseClick(dialog().CancelButton, Qt::LeftButton);
        }});
    }

    // The dialog counts while the criteria change, without OK: the count is what OK then lists, and
    // a range OK would refuse shows none.
    void liveCountShowsWhatOkLists() {
        MessageBoxAnswerer answers;
        QString opened;
        QString typed;
        QString refused;
        runSearch({[&](QWidget*) {
            QLabel* count = dialog().AnzahlLabel;
            (void)QTest::qWaitFor([&] { return !count->text().isEmpty(); });
            opened = count->text();
            type(dialog().MinAlkEdit, u"50"_s);
            type(dialog().MaxAlkEdit, u"40"_s);
            (void)QTest::qWaitFor([&] { return count->text().isEmpty(); });
            refused = count->text();
            type(dialog().MinAlkEdit, u"0"_s);
            type(dialog().MaxAlkEdit, u"99"_s);
            type(dialog().VolltextEdit, u"gluehwein zimt"_s);
            (void)QTest::qWaitFor([&] { return !count->text().isEmpty() && count->text() != opened; });
            typed = count->text();
            QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
        }});
        QVERIFY(answers.shown().isEmpty());
        QCOMPARE(opened, u"%1 Drinks"_s.arg(m_w->state.catalogue.recipeTotal()));
        QCOMPARE(refused, QString());
        QCOMPARE(typed, u"%1 Drinks"_s.arg(listed()));
        QVERIFY(listed() < m_w->state.catalogue.recipeTotal());
    }

    // The dialog as it opens (the bar from the options, OK focused, nothing chosen, empty slots), its
    // controls as the user types and clicks, and "Reset" taking everything back.
    void controlsFollowTheUser() {
        m_w->state.settings.changeOptions().set(OptionsRecord::HomeBar, 2);
        runSearch({[&](QWidget*) {
            TSuchenDialog& d = dialog();
            QCOMPARE(d.bar->currentIndex(), 1);
            QCOMPARE(QApplication::focusWidget(), d.OkButton);
            QCOMPARE(d.MaxAlkEdit->text(), u"99%"_s);
            QCOMPARE(d.undcombo[0]->currentText(), u"(keine Auswahl)"_s);
            QCOMPARE(d.LadenPopup->actions().at(9)->text(), u"Leer"_s);

            // The percent fields keep their sign and take digits only; the arrows step them.
            type(d.MaxAlkEdit, u"2a5"_s);
            QCOMPARE(d.MaxAlkEdit->text(), u"25%"_s);
            QCOMPARE(d.MaxAlkEdit->cursorPosition(), 2);
            QTest::mouseClick(d.UpMax->up(), Qt::LeftButton);
            QCOMPARE(d.MaxAlkEdit->text(), u"26%"_s);
            QTest::mouseClick(d.UpMin->down(), Qt::LeftButton);
            QCOMPARE(d.MinAlkEdit->text(), u"0%"_s);
            QTest::mouseClick(d.UpDown1->up(), Qt::LeftButton);
            QCOMPARE(d.ZukaufEdit->text(), u"1"_s);
            QCOMPARE(session().expression(), u"ALK >= 0 .AND. ALK <= 26"_s);

            // Letters typed on a closed choice box select folded, as in every list.
            d.undcombo[0]->setFocus();
            QTest::keyClicks(d.undcombo[0], u"weisser"_s);
            QCOMPARE(d.undcombo[0]->currentText(), u"Weißer Rum"_s);

            // "ohne" has no alternative.
            QComboBox* mit = d.mitcombo[1];
            mit->setFocus();
            QTest::keyClick(mit, Qt::Key_Down);
            QCOMPARE(mit->currentText(), u"ohne"_s);
            QVERIFY(!d.odercombo[1]->isEnabled());
            QTest::keyClick(mit, Qt::Key_Up);
            QVERIFY(d.odercombo[1]->isEnabled());

            QTest::mouseClick(d.checkmarkierung, Qt::LeftButton);
            d.mitcombo[3]->setFocus();
            QTest::keyClick(d.mitcombo[3], Qt::Key_Down);
            type(d.VolltextEdit, u"Minze"_s);
            QTest::mouseClick(d.ExplorerButton3, Qt::LeftButton);
            QCOMPARE(d.MaxAlkEdit->text(), u"99%"_s);
            QCOMPARE(d.ZukaufEdit->text(), u"0"_s);
            QVERIFY(!d.checkmarkierung->isChecked());
            QCOMPARE(d.undcombo[0]->currentIndex(), 0);
            QCOMPARE(d.mitcombo[3]->currentText(), u"mit"_s);
            QVERIFY(d.odercombo[3]->isEnabled());
            QCOMPARE(d.VolltextEdit->text(), QString());
            QCOMPARE(d.bar->currentText(), u"Hausbar Nr. 1"_s);
            QCOMPARE(session().expression(), QString());
            QVERIFY(!session().recordTest(m_w->tables.ApolloRezepte));
            QTest::mouseClick(d.CancelButton, Qt::LeftButton);
        }});
    }

    // OK refuses a range no drink can have, with a note, and the dialog stays; the bar chosen is
    // taken either way.
    void okRefusesImpossibleRanges_data() {
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("notice");
        QTest::newRow("maximum 100") << "0"
                                     << "100" << SearchSession::alcoholRangeNotice();
        QTest::newRow("50 above 40") << "50"
                                     << "40" << SearchSession::minimumAboveMaximumNotice();
        QTest::newRow("10 to 25") << "10"
                                  << "25" << QString();
    }
    void okRefusesImpossibleRanges() {
        QFETCH(QString, minimum);
        QFETCH(QString, maximum);
        QFETCH(QString, notice);
        m_w->state.settings.changeOptions().set(OptionsRecord::HomeBar, 2);
        MessageBoxAnswerer answers;
        int barAfterOk = 0;
        bool openAfterOk = false;
        runSearch({[&](QWidget*) {
            type(dialog().MinAlkEdit, minimum);
            type(dialog().MaxAlkEdit, maximum);
            dialog().bar->setFocus();
            QTest::keyClick(dialog().bar, Qt::Key_Down); // "Hausbar Nr. 3"
            QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
            barAfterOk = m_w->state.settings.options().get(OptionsRecord::HomeBar);
            openAfterOk = dialog().isVisible();
            if (openAfterOk)
                QTest::mouseClick(dialog().CancelButton, Qt::LeftButton);
        }});
        QCOMPARE(barAfterOk, 3);
        QCOMPARE(answers.lastText(), notice);
        QCOMPARE(openAfterOk, !notice.isEmpty());
        if (notice.isEmpty()) {
            QCOMPARE(listed(), matching(u"ALK >= 10 .AND. ALK <= 25"_s));
        } else {
            QCOMPARE(answers.shown().last().caption, u"Hinweis"_s);
            QCOMPARE(answers.shown().last().lines, 2);
        }
    }

    // The full text goes with a saved search into SUCHTEXT.CFG at once and comes back with "Laden".
    void fullTextTravelsWithTheSlot() {
        runSearch({[&](QWidget*) {
            type(dialog().VolltextEdit, u"Minze Limette"_s);
            saveAs(1, u"Frisch"_s);
            QTest::mouseClick(dialog().ExplorerButton3, Qt::LeftButton);
            chooseSlot(dialog().ExplorerButton1, 1);
            QCOMPARE(dialog().VolltextEdit->text(), u"Minze Limette"_s);
            QCOMPARE(session().form().fullText, u"Minze Limette"_s);
            QTest::mouseClick(dialog().CancelButton, Qt::LeftButton);
        }});
        const SavedSearchTexts onDisk = SavedSearchTexts::load(m_w->state.savedSearchTextsPath());
        QCOMPARE(onDisk.text(1, u"Frisch"_s), u"Minze Limette"_s);
    }

    // "Weitere" turns to the second page in place of the first; its criteria count live, the button
    // says how many are set, OK lists what they keep, the search saved keeps them in SUCHTEXT.CFG, and
    // "Reset" clears them.
    void secondPageNarrowsTheSearch() {
        const int total = listed();
        MessageBoxAnswerer answers;
        QString opened;
        QString narrowed;
        QString onPage;
        QString back;
        bool swapped = false;
        bool swappedBack = false;
        runSearch({[&](QWidget*) {
            TSuchenDialog& d = dialog();
            QLabel* count = d.AnzahlLabel;
            (void)QTest::qWaitFor([&] { return !count->text().isEmpty(); });
            opened = count->text();
            QTest::mouseClick(d.MoreButton, Qt::LeftButton);
            swapped = !d.undcombo[0]->isVisible() && !d.VolltextEdit->isVisible() &&
                      d.PreparationCombo->isVisible() && d.FreeOfChecks[0]->isVisible() &&
                      d.OkButton->isVisible();
            onPage = d.MoreButton->text();
            choose(d.PreparationCombo, u"hei"_s);
            QTest::mouseClick(d.FreeOfChecks[size_t(IngredientMarks::Mark::Dairy)], Qt::LeftButton);
            (void)QTest::qWaitFor([&] { return count->text() != opened; });
            narrowed = count->text();
            QTest::mouseClick(d.MoreButton, Qt::LeftButton);
            swappedBack = d.undcombo[0]->isVisible() && !d.PreparationCombo->isVisible();
            back = d.MoreButton->text();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        }});
        QVERIFY(answers.shown().isEmpty()); // the shipped marks read cleanly
        QVERIFY(swapped);
        QVERIFY(swappedBack);
        QCOMPARE(onPage, u"  &Zurück"_s);
        QCOMPARE(back, u"  &Weitere (2)"_s);
        QCOMPARE(opened, u"%1 Drinks"_s.arg(total));
        QCOMPARE(narrowed, u"%1 Drinks"_s.arg(listed()));
        QVERIFY2(listed() > 5 && listed() < 200, qPrintable(narrowed));
        // Every drink listed is served hot and holds nothing the shipped marks call milk or cream.
        const QSet<int> dairy = m_w->state.marks.marked({IngredientMarks::Mark::Dairy},
                                                        m_w->state.catalogue.ingredients().zutatliste);
        QVERIFY(dairy.size() > 5);
        RecipeBook book(m_w->tables.ApolloRezepte, m_w->tables.ApolloZutaten);
        for (const int recNo : listedRecords()) {
            const RecipeRecord recipe = book.read(recNo);
            QCOMPARE(GlassStrength::preparationOf(recipe.instructions()), GlassStrength::Preparation::Hot);
            for (const RecipeRecord::Line& line : recipe.lines)
                QVERIFY2(!dairy.contains(line.ingredient.number), qPrintable(recipe.name));
        }

        QString afterReset;
        runSearch({[&](QWidget*) {
            saveAs(4, u"Heiß ohne Milch"_s);
            QTest::mouseClick(dialog().ExplorerButton3, Qt::LeftButton);
            afterReset = dialog().MoreButton->text();
            QTest::mouseClick(dialog().CancelButton, Qt::LeftButton);
        }});
        QCOMPARE(afterReset, u"  &Weitere"_s);
        const QByteArray file = TestFiles::readAll(m_w->state.savedSearchTextsPath());
        QVERIFY2(
            file.contains("Name=Hei\xDF ohne Milch\r\nVolltext=\r\nZubereitung=hei\xDF\r\nOhne=Milch\r\n"),
            file.constData());
    }

    // A marks file with lines the search cannot read is said once a run, when the second page is
    // first seen; what it can read still leaves drinks out.
    void damagedMarksFileSaidOnce() {
        QFile marks(m_dir->path() + u"/DATEN/MERKMALE.TXT"_s);
        QVERIFY(marks.open(QIODevice::WriteOnly | QIODevice::Truncate));
        marks.write("Milch: Sahne, Hafermilch\r\nSenf: Sahne\r\n");
        marks.close();
        main().close();
        m_w.reset();
        start();
        const int total = listed();
        MessageBoxAnswerer answers;
        int saidOnPage = 0;
        QString note;
        runSearch({[&](QWidget*) {
            QTest::mouseClick(dialog().MoreButton, Qt::LeftButton);
            saidOnPage = int(answers.shown().size());
            note = dialog().MarksLabel->text();
            QTest::mouseClick(dialog().MoreButton, Qt::LeftButton);
            QTest::mouseClick(dialog().MoreButton, Qt::LeftButton); // seen again: said no more
            QTest::mouseClick(dialog().FreeOfChecks[size_t(IngredientMarks::Mark::Dairy)], Qt::LeftButton);
            QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
        }});
        QCOMPARE(saidOnPage, 1);
        QCOMPARE(answers.shown().size(), 1);
        QVERIFY2(answers.lastText().contains(u"Zeile 1: unbekannte Zutat „Hafermilch“"_s) &&
                     answers.lastText().contains(u"Zeile 2: am Anfang"_s),
                 qPrintable(answers.lastText()));
        QCOMPARE(answers.shown().last().caption, u"Hinweis"_s);
        QVERIFY(note.contains(u"keine Garantie"_s));
        // Only "Sahne" is marked now: the drinks without cream are listed.
        QCOMPARE(listed(), total - matching(u"AT(\"%1\",Z)>0"_s.arg(SearchFilter::ingredientCode(sahne()))));
    }

    // A cancelled name dialog saves nothing; read-only, saving is refused with the program's message.
    void savingCancelledOrReadOnlyChangesNothing_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("messages");
        QTest::newRow("name dialog cancelled") << false << int(Qt::Key_Escape) << 0;
        QTest::newRow("started read-only") << true << int(Qt::Key_Return) << 1;
    }
    void savingCancelledOrReadOnlyChangesNothing() {
        QFETCH(bool, readOnly);
        QFETCH(int, key);
        QFETCH(int, messages);
        m_w->state.run.readOnly = readOnly;
        const QByteArray before = m_w->state.savedSearches.toBytes();
        MessageBoxAnswerer answers;
        runSearch({[&](QWidget*) {
            type(dialog().VolltextEdit, u"Minze"_s);
            saveAs(0, u"Neu"_s, key);
            QTest::mouseClick(dialog().CancelButton, Qt::LeftButton);
        }});
        QCOMPARE(m_w->state.savedSearches.toBytes(), before);
        QVERIFY(!QFile::exists(m_w->state.savedSearchTextsPath()));
        QCOMPARE(answers.shown().size(), messages);
        if (messages)
            QVERIFY(answers.lastText().contains(u"CD-ROM"_s));
    }

    void findClearAndSave() {
        const int total = listed();
        QVERIFY(total > 100);
        QVERIFY(!main().commands->isEnabled(u"SucheAus"_s));
        QVERIFY(!toolbarButton(4)->isEnabled());
        MessageBoxAnswerer answers;
        QString expression;
        runSearch({[&](QWidget*) {
            enterExample(dialog());
            expression = main().dialogs().get<SearchCommand>().session.expression();
            QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
        }});
        QVERIFY(answers.shown().isEmpty());
        const auto code = [this](const QString& name) {
            for (const ListEntry& e : m_w->state.catalogue.ingredients().zutatliste) {
                if (e.text == name)
                    return SearchFilter::ingredientCode(e.data);
            }
            return QString();
        };
        QCOMPARE(expression, u"(AT(\"%1\",Z)>0 .OR. AT(\"%2\",Z)>0) .AND. AT(\"%3\",Z)=0 .AND. KAT = 9 .AND. "
                             u"ALK >= 10 .AND. ALK <= 25"_s.arg(code(u"Weißer Rum"_s), code(u"Cachaça"_s),
                                                                code(u"Sahne"_s)));
        const int found = matching(expression);
        QVERIFY(found > 0 && found < total);
        QCOMPARE(listed(), found);
        QCOMPARE(main().AnzLabel->text(),
                 QString::number(found) + (found == 1 ? u" Rezept"_s : u" Rezepte"_s));
        QVERIFY(main().commands->isEnabled(u"SucheAus"_s));
        QVERIFY(toolbarButton(4)->isEnabled());
        QCOMPARE(main().recipes().CurrentRecNo(), main().browser->browser().list().entries().first().data);
        QCOMPARE(noises(), QStringList{u"1.WAV"_s});
        QCOMPARE(m_w->tables.ApolloRezepte.filterText(), QString());

        // Saved into slot 3 through the menu and the name dialog.
        runSearch({[&](QWidget*) {
            saveAs(2, u"Rum ohne Sahne"_s);
            QTest::mouseClick(dialog().CancelButton, Qt::LeftButton);
        }});
        QCOMPARE(m_w->state.savedSearches.slot(2).name(), u"Rum ohne Sahne"_s);
        QCOMPARE(listed(), found); // cancelled: the list stays

        QTest::mouseClick(toolbarButton(4), Qt::LeftButton);
        QCOMPARE(listed(), total);
        QVERIFY(!main().commands->isEnabled(u"SucheAus"_s));
        QVERIFY(!toolbarButton(4)->isEnabled());
        QCOMPARE(noises(), (QStringList{u"1.WAV"_s, u"3.WAV"_s}));
        QCOMPARE(main().dialogs().get<SearchCommand>().session.expression(), QString());

        // Closing writes the slots; after a restart slot 3 runs the same search again.
        main().close();
        m_w.reset();
        start();
        QCOMPARE(listed(), total);
        QString loadedCaption;
        runSearch({[&](QWidget*) {
            loadedCaption = dialog().LadenPopup->actions().at(2)->text();
            chooseSlot(dialog().ExplorerButton1, 2);
            QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
        }});
        QCOMPARE(loadedCaption, u"Rum ohne Sahne"_s);
        QCOMPARE(listed(), found);
        QTest::mouseClick(toolbarButton(4), Qt::LeftButton);
        QCOMPARE(listed(), total);
    }

    void noMatchOffersTheDialogAgain() {
        MessageBoxAnswerer answers;
        main().HauptEdit->setText(u"Zom"_s);
        const int total = listed();
        int showings = 0;
        runSearch({[&](QWidget*) {
                       ++showings;
                       QTest::mouseClick(dialog().checkmarkierung, Qt::LeftButton); // nothing is marked
                       QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
                   },
                   [&](QWidget*) {
                       ++showings;
                       QTest::mouseClick(dialog().checkmarkierung, Qt::LeftButton);
                       QTest::mouseClick(dialog().CancelButton, Qt::LeftButton);
                   }});
        QCOMPARE(showings, 2);
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.lastText(), u"Es wurden keine Getränke mit\rdiesen Eigenschaften gefunden."_s);
        QCOMPARE(answers.shown().first().lines, 2);
        QCOMPARE(main().HauptEdit->text(), QString());
        QCOMPARE(listed(), total);
        QCOMPARE(noises(), QStringList{u"2.WAV"_s});
        // Cancel put back what the second showing had: "Markierte" ticked.
        QVERIFY(main().dialogs().get<SearchCommand>().session.form().markedOnly);
    }

    // "Info" needs an ingredient; with ingredients chosen it opens the ingredient info over them, row
    // by row with the alternatives in between, and shows the details of the first.
    void infoShowsTheChosenIngredients() {
        QStringList listedInInfo;
        QString firstName;
        MessageBoxAnswerer answers;
        runSearch({[&](QWidget*) {
                       QTest::mouseClick(dialog().ExplorerButton2, Qt::LeftButton);
                       QCOMPARE(answers.lastText(), u"Es wurden noch keine Zutaten ausgewählt."_s);
                       QCOMPARE(answers.shown().last().lines, 1);
                       choose(dialog().undcombo[0], u"Weißer Rum"_s);
                       choose(dialog().odercombo[0], u"Cachaça"_s);
                       choose(dialog().undcombo[1], u"Limettensaft"_s);
                       QTest::mouseClick(dialog().ExplorerButton2, Qt::LeftButton);
                       QTest::mouseClick(dialog().CancelButton, Qt::LeftButton);
                   },
                   [&](QWidget* shown) {
                       auto* info = qobject_cast<TZutateninfodialog*>(shown);
                       if (!info)
                           return;
                       for (const ListEntry& e : info->HListbox->entries())
                           listedInInfo << e.text;
                       firstName = info->info->Namelabel->text();
                       QTest::mouseClick(info->OkButton, Qt::LeftButton);
                   }});
        QCOMPARE(listedInInfo, (QStringList{u"Weißer Rum"_s, u"Cachaça"_s, u"Limettensaft"_s}));
        QCOMPARE(firstName, u"Weißer Rum"_s);
    }

    // "Hausbar" alone, with a bar that mixes nothing, empties the list; when the user gives up, every
    // drink is listed again, the first one is shown, and there is nothing left to clear.
    void givingUpAfterAnEmptyHomeBarSearch() {
        MessageBoxAnswerer answers;
        const int total = listed();
        main().HauptListBox->setCurrentRow(main().HauptListBox->findRow(u"Zombie"_s));
        main().browser->selectionChanged();
        QVERIFY(main().recipes().CurrentRecNo() != listedRecords().first());
        runSearch({[&](QWidget*) {
                       QTest::mouseClick(dialog().checkhausbar, Qt::LeftButton);
                       QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
                   },
                   [&](QWidget*) { QTest::mouseClick(dialog().CancelButton, Qt::LeftButton); }});
        QCOMPARE(answers.lastText(), u"Es wurden keine Getränke mit\rdiesen Eigenschaften gefunden."_s);
        QCOMPARE(listed(), total);
        QVERIFY(!main().commands->isEnabled(u"SucheAus"_s));
        QVERIFY(!toolbarButton(4)->isEnabled());
        QCOMPARE(main().HauptListBox->currentRow(), 0);
        QCOMPARE(main().recipes().CurrentRecNo(), listedRecords().first());
    }

    // A name the saved searches cannot hold is refused with the character named whole; the slot
    // keeps what it had.
    void unstorableSearchName() {
        MessageBoxAnswerer answers;
        const QByteArray before = m_w->state.savedSearches.slot(0).bytes();
        runSearch({[&](QWidget*) {
                       chooseSlot(dialog().Speichernbutton, 0);
                       QTest::mouseClick(dialog().CancelButton, Qt::LeftButton);
                   },
                   [](QWidget* names) {
                       auto* edit = names->findChild<QLineEdit*>(u"Edit"_s);
                       edit->selectAll();
                       QTest::keyClicks(edit, u"Sommer "_s);
                       QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, u"🍹"_s, Qt::NoModifier);
                       QTest::keyClick(edit, Qt::Key_Return);
                   }});
        QCOMPARE(answers.lastText(),
                 u"Das Zeichen \"🍹\" kann nicht gespeichert werden.\rBitte ersetzen Sie es."_s);
        QCOMPARE(m_w->state.savedSearches.slot(0).bytes(), before);
    }

    void functionKeysStartAndClear() {
        QVERIFY(activateMain());
        const int total = listed();
        {
            DialogSteps driver({[&](QWidget*) {
                choose(dialog().katcombo, u"Tiki"_s);
                QTest::keyClick(&dialog(), Qt::Key_Return);
            }});
            QTest::keyClick(&main(), Qt::Key_F11);
            QCOMPARE(driver.left(), 0);
        }
        QCOMPARE(listed(), matching(u"KAT = 9"_s));
        QVERIFY(main().commands->isEnabled(u"SucheAus"_s));
        QVERIFY(activateMain());
        QTest::keyClick(&main(), Qt::Key_F12);
        QCOMPARE(listed(), total);
        QVERIFY(!main().commands->isEnabled(u"SucheAus"_s));
        QTest::keyClick(&main(), Qt::Key_F12); // disabled: nothing happens, no sound
        QCOMPARE(noises(), (QStringList{u"1.WAV"_s, u"3.WAV"_s}));
    }

    // The box as it appears: the expression alone, with the information icon (it is no error).
    void debugInfoShowsTheExpressionFirst() {
        m_w->state.switches.debugInfo = true;
        const int total = listed();
        int listedWhileShown = 0;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        runSearch({[&](QWidget*) {
                       choose(dialog().katcombo, u"Tiki"_s);
                       QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
                   },
                   [&](QWidget* box) {
                       if (auto* message = qobject_cast<QMessageBox*>(box)) {
                           listedWhileShown = listed();
                           text = message->text();
                           icon = message->icon();
                       }
                       QTest::keyClick(box, Qt::Key_Return);
                   }});
        QCOMPARE(text, u"KAT = 9"_s);
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(listed(), matching(u"KAT = 9"_s));
        QCOMPARE(listedWhileShown, total); // shown before the list is filled

        // Nothing chosen: there is nothing to apply and nothing to show.
        bool boxShown = false;
        runSearch({[&](QWidget*) {
                       QTest::mouseClick(dialog().ExplorerButton3, Qt::LeftButton);
                       QTest::mouseClick(dialog().OkButton, Qt::LeftButton);
                   },
                   [&](QWidget*) { boxShown = true; }});
        QVERIFY(!boxShown);
        QCOMPARE(listed(), total);
    }
};

VELTA_TEST_MAIN_GUI(TestSearchWindow)
#include "tst_searchwindow.moc"
