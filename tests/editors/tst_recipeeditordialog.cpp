#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "UserInput.h"
#include "VeltaGuiTest.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "browser/gui/BrowserController.h"
#include "editors/gui/RecipeCommands.h"
#include "store/Fields.h"
#include "store/RecipeMemo.h"
#include "ui/EntryList.h"
#include "ui/TypeAheadField.h"
#include "ui/UpDownButtons.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace UserInput;

// The recipe editor and the recipe list as the user meets them: opened by their commands on the
// shipped data, driven by keys and clicks; what they show is captured and checked after they closed.
class TestRecipeEditorDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;

    RecipeCommands& commands() { return m_w->main.dialogs().get<RecipeCommands>(); }
    TApollo& recipes() { return m_w->tables.ApolloRezepte; }

    // Runs the command; `act` drives the dialog that opens first.
    void run(const QString& command, QDialog& dialog, const std::function<void()>& act) {
        QTimer::singleShot(0, &dialog, act);
        m_w->main.commands->run(command);
    }
    static void chooseByKeys(QComboBox* combo, const QString& text) {
        combo->setFocus();
        const int target = combo->findText(text);
        while (combo->currentIndex() < target && combo->currentIndex() < combo->count() - 1)
            QTest::keyClick(combo, Qt::Key_Down);
    }
    // Types an ingredient, Enter, the amount, Enter: the line is added.
    static void addIngredient(TReditdialog& d, const QString& name, const QString& amount) {
        d.Editfeld->clear();
        type(d.Editfeld, name);
        QTest::keyClick(d.Editfeld, Qt::Key_Return);
        if (d.MengeSpin->isEnabled())
            type(d.MengeSpin, amount);
        QTest::keyClick(d.MengeSpin, Qt::Key_Return);
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        m_w = StartupFixture::showProgram(m_dir->path(), true);
        QVERIFY(m_w);
    }
    void cleanup() { StartupFixture::closeProgram(m_w); }

    void newDrinkThroughEveryPage() {
        MessageBoxAnswerer answers;
        const int total = m_w->state.catalogue.recipeTotal();
        TReditdialog& d = commands().editor;
        QString caption;
        QStringList lines;
        QString amountAfterLetters;
        QString amountAfterUp;
        int photoLimit = 0;
        run(u"RezeptNeu"_s, d, [&] {
            caption = d.caption();
            type(d.NameEdit, u"Aaa Sonnenglas"_s);
            QTest::keyClick(d.NameEdit, Qt::Key_Return);
            addIngredient(d, u"weißer r"_s, u"4"_s);
            d.Editfeld->clear();
            type(d.Editfeld, u"orangensaft"_s);
            d.MengeSpin->selectAll();
            type(d.MengeSpin, u"1x2"_s);
            amountAfterLetters = d.MengeSpin->text();
            QTest::mouseClick(d.UpdownButton->up(), Qt::LeftButton);
            QTest::mouseClick(d.UpdownButton->up(), Qt::LeftButton);
            amountAfterUp = d.MengeSpin->text();
            QTest::mouseClick(d.UpdownButton->down(), Qt::LeftButton);
            QTest::mouseClick(d.UpdownButton->down(), Qt::LeftButton);
            QTest::mouseClick(d.hinzubutton, Qt::LeftButton);
            addIngredient(d, u"minze"_s, QString());
            for (const ListEntry& e : d.RezeptListbox->entries())
                lines << e.text;
            clickTab(d.DasControl, 1);
            chooseByKeys(d.KatCombo, u"Sour"_s);
            clickTab(d.DasControl, 2);
            type(d.MixMemo, u"Kräftig schütteln."_s);
            type(d.BemMemo, u"Eiskalt servieren"_s);
            type(d.Fotoedit, u"sonne"_s);
            photoLimit = d.Fotoedit->maxLength();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QCOMPARE(caption, u"Rezept hinzufügen"_s);
        QCOMPARE(amountAfterLetters, u"12 cl"_s);
        QCOMPARE(amountAfterUp, u"14 cl"_s);
        QCOMPARE(lines, (QStringList{u"4 cl  Weißer Rum"_s, u"12 cl  Orangensaft"_s, u"Minze"_s}));
        QCOMPARE(photoLimit, 3);
        // The missing own photo only warns.
        QCOMPARE(answers.shown().size(), 1);
        QVERIFY(answers.lastText().startsWith(u"Die Datei "_s));
        QVERIFY(answers.lastText().contains(u"SON.BMP"_s));

        QCOMPARE(m_w->state.catalogue.recipeTotal(), total + 1);
        QCOMPARE(m_w->main.HauptListBox->currentText(), u"Aaa Sonnenglas"_s);
        QCOMPARE(m_w->main.HauptListBox->currentRow(), 0);
        QCOMPARE(m_w->main.recipes().CurrentRecNo(), total + 1);
        QCOMPARE(commands().listSession.entries().first(), (ListEntry{u"Aaa Sonnenglas"_s, total + 1}));
        recipes().Go(total + 1);
        QCOMPARE(recipes().GetInteger(Fields::Recipe::Alcohol), 10); // 4 cl 40 % and 12 cl juice
        QCOMPARE(recipes().GetTrimString(Fields::Recipe::OwnPhoto), u"son"_s);
        QCOMPARE(recipes().GetMemo(Fields::Recipe::Instructions),
                 RecipeMemo::join(u"Kräftig schütteln."_s, u"Eiskalt servieren"_s));
        QCOMPARE(
            m_w->state.catalogue.categories().at(int(recipes().GetInteger(Fields::Recipe::Category)) - 1),
            u"Sour"_s);
    }

    // Line after line by keyboard alone: after a line is added the ingredient field's text is
    // selected, so the next name typed replaces it.
    void keyboardLinesOneAfterAnother() {
        MessageBoxAnswerer answers;
        TReditdialog& d = commands().editor;
        QStringList lines;
        QString fieldAfterAdding;
        run(u"RezeptNeu"_s, d, [&] {
            type(d.NameEdit, u"Tastendrink"_s);
            QTest::keyClick(d.NameEdit, Qt::Key_Return);
            for (const auto& [name, amount] :
                 {std::pair{u"weißer r"_s, u"4"_s}, {u"orangensaft"_s, u"6"_s}}) {
                type(d.Editfeld, name);
                QTest::keyClick(d.Editfeld, Qt::Key_Return);
                type(d.MengeSpin, amount);
                QTest::keyClick(d.MengeSpin, Qt::Key_Return);
                if (fieldAfterAdding.isEmpty())
                    fieldAfterAdding = d.Editfeld->selectedText();
            }
            for (const ListEntry& e : d.RezeptListbox->entries())
                lines << e.text;
            QTest::mouseClick(d.CancelButton, Qt::LeftButton);
        });
        QVERIFY(answers.shown().isEmpty());
        QCOMPARE(fieldAfterAdding, u"weißer r"_s);
        QCOMPARE(lines, (QStringList{u"4 cl  Weißer Rum"_s, u"6 cl  Orangensaft"_s}));
    }

    void okChecksKeepTheDialogOpen() {
        MessageBoxAnswerer answers;
        TReditdialog& d = commands().editor;
        bool openAfterEmptyName = false;
        bool openAfterNoLine = false;
        run(u"RezeptNeu"_s, d, [&] {
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
            openAfterEmptyName = d.isVisible();
            type(d.NameEdit, u"  Mojito  "_s);
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
            openAfterNoLine = d.isVisible();
            addIngredient(d, u"weißer r"_s, u"5"_s);
            QTest::mouseClick(d.OkButton, Qt::LeftButton); // no category yet
            clickTab(d.DasControl, 1);
            chooseByKeys(d.KatCombo, u"Sour"_s);
            QTest::mouseClick(d.OkButton, Qt::LeftButton); // a drink of that name exists
            QTest::mouseClick(d.CancelButton, Qt::LeftButton);
        });
        QVERIFY(openAfterEmptyName && openAfterNoLine);
        QStringList texts;
        for (const auto& r : answers.shown())
            texts << r.text;
        QCOMPARE(texts, (QStringList{u"Geben Sie bitte einen Namen ein."_s,
                                     u"Geben Sie bitte mindestens eine Zutat ein."_s,
                                     u"Bitte wählen Sie eine Kategorie aus."_s,
                                     u"Es existiert schon ein Getränk mit diesem Namen!"_s}));
        QCOMPARE(d.NameEdit->text(), u"Mojito"_s); // trimmed and written back
    }

    // A character the tables cannot hold is named whole in the refusal, never as half an emoji.
    void unstorableCharacterIsNamedWhole() {
        MessageBoxAnswerer answers;
        TReditdialog& d = commands().editor;
        bool openAfterOk = false;
        run(u"RezeptNeu"_s, d, [&] {
            type(d.NameEdit, u"Sonne "_s);
            QTest::sendKeyEvent(QTest::Click, d.NameEdit, Qt::Key_unknown, u"🍹"_s, Qt::NoModifier);
            addIngredient(d, u"weißer r"_s, u"4"_s);
            clickTab(d.DasControl, 1);
            chooseByKeys(d.KatCombo, u"Sour"_s);
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
            openAfterOk = d.isVisible();
            QTest::mouseClick(d.CancelButton, Qt::LeftButton);
        });
        QVERIFY(openAfterOk);
        QCOMPARE(answers.lastText(),
                 u"Das Zeichen \"🍹\" kann nicht gespeichert werden.\rBitte ersetzen Sie es."_s);
    }

    void editAndRenameMovesTheEntry() {
        MessageBoxAnswerer answers;
        const int row = m_w->main.HauptListBox->findRow(u"Zombie"_s);
        QVERIFY(row >= 0);
        m_w->main.HauptListBox->setCurrentRow(row);
        m_w->main.browser->selectionChanged();
        const int recNo = m_w->main.recipes().CurrentRecNo();
        TReditdialog& d = commands().editor;
        QString caption;
        int lineCount = 0;
        run(u"RezeptBearbeiten"_s, d, [&] {
            caption = d.caption();
            lineCount = d.RezeptListbox->count();
            d.NameEdit->selectAll();
            type(d.NameEdit, u"Aaa Zombie"_s);
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QCOMPARE(caption, u"Rezept bearbeiten"_s);
        QVERIFY(lineCount > 0);
        QVERIFY(answers.shown().isEmpty());
        QCOMPARE(m_w->main.HauptListBox->currentRow(), 0);
        QCOMPARE(m_w->main.HauptListBox->currentText(), u"Aaa Zombie"_s);
        QCOMPARE(m_w->main.HauptListBox->findRow(u"Zombie"_s), -1);
        QCOMPARE(m_w->main.recipes().CurrentRecNo(), recNo);
        recipes().Go(recNo);
        QCOMPARE(recipes().GetTrimString(Fields::Recipe::Name), u"Aaa Zombie"_s);
    }

    void recipeListDeletesAndTheMainListFollows() {
        MessageBoxAnswerer answers;
        answers.queue(Meldungsfenster::Yes);
        RListeDialog& list = commands().list;
        const int total = m_w->state.catalogue.recipeTotal();
        QString deleted;
        int deletedRecNo = 0;
        run(u"ListeRezepte"_s, list, [&] {
            list.ListBox->setCurrentRow(1);
            deleted = list.ListBox->currentText();
            deletedRecNo = list.ListBox->currentData();
            QTest::mouseClick(list.LoeschenButton, Qt::LeftButton);
            QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
        });
        QCOMPARE(answers.lastText(), u"Möchten Sie das Rezept \"%1\" wirklich löschen?"_s.arg(deleted));
        QCOMPARE(m_w->state.catalogue.recipeTotal(), total - 1);
        QCOMPARE(m_w->main.HauptListBox->findRow(deleted), -1);
        QCOMPARE(m_w->main.HauptListBox->count(), total - 1);
        recipes().table().env().SetDeleted(false);
        recipes().Go(deletedRecNo);
        QVERIFY(recipes().IsDeleted());
        recipes().table().env().SetDeleted(true);
    }

    void recipeListNewAndEdit() {
        MessageBoxAnswerer answers;
        RListeDialog& list = commands().list;
        TReditdialog& editor = commands().editor;
        QString selectedAfterNew;
        QString renamedText;
        int renamedRow = -1;
        run(u"ListeRezepte"_s, list, [&] {
            QTimer::singleShot(0, &editor, [&] {
                type(editor.NameEdit, u"Mmm Neu"_s);
                addIngredient(editor, u"weißer r"_s, u"4"_s);
                clickTab(editor.DasControl, 1);
                chooseByKeys(editor.KatCombo, u"Sour"_s);
                QTest::mouseClick(editor.OkButton, Qt::LeftButton);
            });
            QTest::mouseClick(list.hinzubutton, Qt::LeftButton);
            selectedAfterNew = list.ListBox->currentText();
            renamedRow = list.ListBox->currentRow();
            QTimer::singleShot(0, &editor, [&] {
                editor.NameEdit->selectAll();
                type(editor.NameEdit, u"Zzz Umbenannt"_s);
                QTest::mouseClick(editor.OkButton, Qt::LeftButton);
            });
            QTest::mouseClick(list.bearbeitenButton, Qt::LeftButton);
            renamedText = list.ListBox->text(renamedRow);
            QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
        });
        QVERIFY(answers.shown().isEmpty());
        QCOMPARE(selectedAfterNew, u"Mmm Neu"_s);
        QCOMPARE(renamedText, u"Zzz Umbenannt"_s); // in place, not sorted again
        QVERIFY(m_w->main.HauptListBox->findRow(u"Zzz Umbenannt"_s) >= 0);
    }

    void readOnlyWritesNothing() {
        MessageBoxAnswerer answers;
        m_w->state.run.readOnly = true;
        const int count = recipes().RecCount();
        TReditdialog& d = commands().editor;
        run(u"RezeptNeu"_s, d, [&] {
            type(d.NameEdit, u"Nur gelesen"_s);
            addIngredient(d, u"weißer r"_s, u"4"_s);
            clickTab(d.DasControl, 1);
            chooseByKeys(d.KatCombo, u"Sour"_s);
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QCOMPARE(answers.lastText(), Notice::readOnly().text);
        QCOMPARE(recipes().RecCount(), count);
        QCOMPARE(m_w->main.HauptListBox->findRow(u"Nur gelesen"_s), -1);
    }
};

VELTA_TEST_MAIN_GUI(TestRecipeEditorDialog)
#include "tst_recipeeditordialog.moc"
