#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "UserInput.h"
#include "VeltaGuiTest.h"
#include "VeltadbRun.h"
#include "app/CommandTable.h"
#include "app/DialogHost.h"
#include "app/ProgramWindows.h"
#include "common/TypeAhead.h"
#include "editors/gui/ClassificationCommands.h"
#include "editors/gui/IngredientListCommand.h"
#include "editors/gui/RecipeCommands.h"
#include "store/Cp1252.h"
#include "store/Fields.h"
#include "store/RawFile.h"
#include "ui/EntryList.h"
#include "ui/TWartenDialog.h"
#include "ui/TypeAheadField.h"
#include "ui/UpDownButtons.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace UserInput;

namespace {

// The values the wait window's bar shows on screen, one for every time it is painted.
class PaintedProgress : public QObject {
public:
    PaintedProgress() { qApp->installEventFilter(this); }
    ~PaintedProgress() override { qApp->removeEventFilter(this); }
    PaintedProgress(const PaintedProgress&) = delete;
    PaintedProgress& operator=(const PaintedProgress&) = delete;
    QList<int> values;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* bar = qobject_cast<QProgressBar*>(watched);
        if (event->type() == QEvent::Paint && bar && qobject_cast<TWartenDialog*>(bar->window()))
            values << bar->value();
        return false;
    }
};

} // namespace

// The ingredient, category, taste and decoration lists as the user meets them, opened by their
// commands (and from the recipe editor) on the shipped data; values are captured inside the dialogs
// and checked after they closed.
class TestMaintListDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;

    IngredientListCommand& ingredients() { return m_w->main.dialogs().get<IngredientListCommand>(); }
    ClassificationCommands& lists() { return m_w->main.dialogs().get<ClassificationCommands>(); }
    RecipeCommands& recipes() { return m_w->main.dialogs().get<RecipeCommands>(); }

    void run(const QString& command, QDialog& dialog, const std::function<void()>& act) {
        QTimer::singleShot(0, &dialog, act);
        m_w->main.commands->run(command);
    }
    // Clicks a button that opens a modal dialog, which `act` drives.
    static void clickInto(QPushButton* button, QDialog& dialog, const std::function<void()>& act) {
        QTimer::singleShot(0, &dialog, act);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static int rowOf(EntryList* list, const QString& text) { return list->findRow(text); }
    int alk(int recNo) {
        m_w->tables.ApolloRezepte.Go(recNo);
        return int(m_w->tables.ApolloRezepte.GetInteger(Fields::Recipe::Alcohol));
    }
    // A recipe with 4 cl of the ingredient and 4 cl of orange juice, through the recipe editor.
    int addRecipeWith(const QString& ingredient) {
        TReditdialog& d = recipes().editor;
        run(u"RezeptNeu"_s, d, [&] {
            type(d.NameEdit, u"Hausdrink"_s);
            for (const QString& name : {ingredient, u"orangensaft"_s}) {
                d.Editfeld->clear();
                type(d.Editfeld, name);
                QTest::keyClick(d.Editfeld, Qt::Key_Return);
                type(d.MengeSpin, u"4"_s);
                QTest::keyClick(d.MengeSpin, Qt::Key_Return);
            }
            d.KatCombo->setCurrentIndex(d.KatCombo->findText(u"Sour"_s));
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        return recipes().savedRecNo();
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        m_w = StartupFixture::showProgram(m_dir->path(), true);
        QVERIFY(m_w);
    }
    void cleanup() { StartupFixture::closeProgram(m_w); }

    void ownIngredientFollowedByItsRecipes() {
        MessageBoxAnswerer answers;
        ZutatenListeDialog& list = ingredients().dialog;
        ZutatEditDialog& editor = ingredients().editor;
        QString selected;
        int number = 0;
        QString alcoholShown;
        run(u"ListeZutaten"_s, list, [&] {
            clickInto(list.hinzubutton, editor, [&] {
                type(editor.NameEdit, u"Hausrum"_s);
                replaceText(editor.MinAlkEdit, u"4x0"_s);
                alcoholShown = editor.MinAlkEdit->text();
                QTest::mouseClick(editor.clbutton, Qt::LeftButton);
                QTest::mouseClick(editor.OkButton, Qt::LeftButton);
            });
            selected = list.ListBox->currentText();
            number = list.ListBox->currentData();
            QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
        });
        QCOMPARE(alcoholShown, u"40%"_s);
        QCOMPARE(selected, u"Hausrum"_s);
        QCOMPARE(number, 400);
        QVERIFY(TypeAhead::findExact(m_w->state.catalogue.ingredients().zutatliste, u"Hausrum"_s) >= 0);

        const int recNo = addRecipeWith(u"hausrum"_s);
        QCOMPARE(alk(recNo), 20);

        // 40 % to 38 %, confirmed: the recipe follows.
        answers.queue(Meldungsfenster::Yes);
        QString downOnce;
        run(u"ListeZutaten"_s, list, [&] {
            list.ListBox->setCurrentRow(rowOf(list.ListBox, u"Hausrum"_s));
            clickInto(list.bearbeitenButton, editor, [&] {
                QTest::mouseClick(editor.UpMin->down(), Qt::LeftButton);
                downOnce = editor.MinAlkEdit->text();
                QTest::mouseClick(editor.UpMin->down(), Qt::LeftButton);
                QTest::mouseClick(editor.OkButton, Qt::LeftButton);
            });
            QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
        });
        QCOMPARE(downOnce, u"39%"_s);
        QCOMPARE(answers.lastText(),
                 u"1 Getränke benötigen diese Zutat.\rMöchten Sie die Änderungen speichern?"_s);
        QCOMPARE(alk(recNo), 19);

        // Used by a recipe: it cannot be deleted; a supplied one never.
        run(u"ListeZutaten"_s, list, [&] {
            list.ListBox->setCurrentRow(rowOf(list.ListBox, u"Hausrum"_s));
            QTest::mouseClick(list.LoeschenButton, Qt::LeftButton);
            list.ListBox->setCurrentRow(rowOf(list.ListBox, u"Orangensaft"_s));
            QTest::mouseClick(list.LoeschenButton, Qt::LeftButton);
            QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
        });
        QCOMPARE(
            answers.shown().at(answers.shown().size() - 2).text,
            u"Die Zutat \"Hausrum\" kann nicht gelöscht werden, da noch 1 Getränke diese Zutat verwenden."_s);
        QVERIFY(answers.lastText().startsWith(u"Zukünftige Rezept-Updates"_s));
        QVERIFY(TypeAhead::findExact(m_w->state.catalogue.ingredients().zutatliste, u"Hausrum"_s) >= 0);
    }

    void okWithoutChangeStoresNothing() {
        MessageBoxAnswerer answers;
        ZutatenListeDialog& list = ingredients().dialog;
        ZutatEditDialog& editor = ingredients().editor;
        bool accepted = true;
        run(u"ListeZutaten"_s, list, [&] {
            clickInto(list.bearbeitenButton, editor,
                      [&] { QTest::mouseClick(editor.OkButton, Qt::LeftButton); });
            accepted = editor.result() == QDialog::Accepted;
            QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
        });
        QVERIFY(!accepted);
        QVERIFY(answers.shown().isEmpty());
        QVERIFY(!ingredients().session.changed());
    }

    void categoriesKeepTheirNumbers() {
        MessageBoxAnswerer answers;
        answers.queue(Meldungsfenster::Ok); // the refused name
        answers.queue(Meldungsfenster::Yes);
        KategorieListeDialog& list = lists().categories;
        KatEditDialog& names = lists().names;
        const int before = int(m_w->state.catalogue.categories().size());
        run(u"ListeKategorie"_s, list, [&] {
            clickInto(list.hinzubutton, names, [&] {
                type(names.Edit, u"Neue Kategorie"_s);
                QTest::mouseClick(names.OkButton, Qt::LeftButton);
            });
            clickInto(list.hinzubutton, names, [&] {
                type(names.Edit, u"neue kategorie"_s); // the same name once more is refused
                QTest::mouseClick(names.OkButton, Qt::LeftButton);
            });
            list.ListBox->setCurrentRow(rowOf(list.ListBox, u"Neue Kategorie"_s));
            QTest::mouseClick(list.LoeschenButton, Qt::LeftButton);
            QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
        });
        QCOMPARE(answers.shown().first().text, u"Eine Kategorie mit diesem Namen existiert schon."_s);
        QCOMPARE(answers.lastText(), u"Möchten Sie die Kategorie \"Neue Kategorie\" wirklich löschen?"_s);
        QCOMPARE(m_w->state.catalogue.categories().size(), before + 1);
        QCOMPARE(m_w->state.catalogue.categories().last(), u"~"_s);
        const QByteArray file = TestFiles::readAll(m_w->state.listsPath());
        QVERIFY(file.contains("\r\n~\r\n@@@-MORVA-@@@\r\n"));
    }

    // The lists file cannot be written (a full disk): the error names the file and its reason, and
    // the new category is in no box, so that no drink can be filed under it.
    void failedListsSaveKeepsWhatTheFileHolds() {
        MessageBoxAnswerer answers;
        KategorieListeDialog& list = lists().categories;
        KatEditDialog& names = lists().names;
        const QStringList before = m_w->state.catalogue.categories();
        const QByteArray file = TestFiles::readAll(m_w->state.listsPath());
        run(u"ListeKategorie"_s, list, [&] {
            clickInto(list.hinzubutton, names, [&] {
                type(names.Edit, u"Verloren"_s);
                QTest::mouseClick(names.OkButton, Qt::LeftButton);
            });
            RawFile::failWritesAfter(1); // the write itself, as on a full disk
            QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
        });
        RawFile::stopFailingWrites();
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().caption, u"Fehler"_s);
        QVERIFY2(answers.lastText().contains(m_w->state.listsPath()) &&
                     answers.lastText().contains(u"Der Datenträger ist voll."_s),
                 qPrintable(answers.lastText()));
        QCOMPARE(m_w->state.catalogue.categories(), before);
        QCOMPARE(TestFiles::readAll(m_w->state.listsPath()), file);
    }

    // While the program runs, a script may read its data but not change them behind its back.
    void runningProgramKeepsWritingScriptsOut() {
        const QString data = m_w->state.folders.dataFolder;
        const VeltadbRun refused = VeltadbRun::of({u"category-add"_s, data, u"Neu"_s});
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.err.contains(u"werden gerade von Velta Cocktails 98 oder von veltadb benutzt"_s),
                 qPrintable(refused.err));
        QVERIFY(!TestFiles::readAll(m_w->state.listsPath()).contains("Neu\r\n"));
        QCOMPARE(VeltadbRun::of({u"category-list"_s, data}).code, 0);
        StartupFixture::closeProgram(m_w);
        const VeltadbRun allowed = VeltadbRun::of({u"category-add"_s, data, u"Neu"_s});
        QCOMPARE(allowed.code, 0);
    }

    // The recipe editor's " Bearbeiten" opens the category list; a renamed category stays chosen.
    void recipeEditorFollowsARename() {
        MessageBoxAnswerer answers;
        answers.queue(Meldungsfenster::Yes);
        TReditdialog& d = recipes().editor;
        KategorieListeDialog& list = lists().categories;
        KatEditDialog& names = lists().names;
        QString chosen;
        run(u"RezeptNeu"_s, d, [&] {
            QTest::mouseClick(d.DasControl->tabBar(), Qt::LeftButton, {},
                              d.DasControl->tabBar()->tabRect(1).center());
            d.KatCombo->setCurrentIndex(d.KatCombo->findText(u"Tiki"_s));
            clickInto(d.kategoriebutton, list, [&] {
                list.ListBox->setCurrentRow(rowOf(list.ListBox, u"Tiki"_s));
                clickInto(list.bearbeitenButton, names, [&] {
                    replaceText(names.Edit, u"Tiki-Drinks"_s);
                    QTest::mouseClick(names.OkButton, Qt::LeftButton);
                });
                QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
            });
            chosen = d.KatCombo->currentText();
            QTest::mouseClick(d.CancelButton, Qt::LeftButton);
        });
        QVERIFY(answers.lastText().contains(u"Getränke sind der Kategorie \"Tiki\" zugeordnet."_s));
        QCOMPARE(chosen, u"Tiki-Drinks"_s);
        QVERIFY(m_w->state.catalogue.categories().contains(u"Tiki-Drinks"_s));
    }

    // A new ingredient sorted above the chosen one moves it a row down: the recipe editor keeps the
    // ingredient chosen, not the row, and adds it.
    void recipeEditorKeepsItsIngredientWhenTheListChanges() {
        MessageBoxAnswerer answers;
        TReditdialog& d = recipes().editor;
        ZutatenListeDialog& list = ingredients().dialog;
        ZutatEditDialog& editor = ingredients().editor;
        QString before;
        QString after;
        QStringList lines;
        run(u"RezeptNeu"_s, d, [&] {
            type(d.NameEdit, u"Hausdrink"_s);
            d.Editfeld->setFocus();
            type(d.Editfeld, u"weißer r"_s);
            before = d.ZutatenListbox->currentText();
            clickInto(d.zutatenbutton, list, [&] {
                clickInto(list.hinzubutton, editor, [&] {
                    type(editor.NameEdit, u"Aaa Hausrum"_s);
                    replaceText(editor.MinAlkEdit, u"40"_s);
                    QTest::mouseClick(editor.clbutton, Qt::LeftButton);
                    QTest::mouseClick(editor.OkButton, Qt::LeftButton);
                });
                QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
            });
            after = d.ZutatenListbox->currentText();
            QTest::mouseClick(d.hinzubutton, Qt::LeftButton);
            for (const ListEntry& e : d.RezeptListbox->entries())
                lines << e.text;
            QTest::mouseClick(d.CancelButton, Qt::LeftButton);
        });
        QVERIFY(answers.shown().isEmpty());
        QCOMPARE(before.trimmed(), u"Weißer Rum"_s);
        QCOMPARE(after, before);
        QCOMPARE(lines, QStringList{u"1 cl  Weißer Rum"_s});
        QVERIFY(TypeAhead::findExact(m_w->state.catalogue.ingredients().zutatliste, u"Aaa Hausrum"_s) >= 0);
    }

    // Counting the drinks of a category reads every recipe: the wait window is painted before the
    // scan starts, and its bar moves while the scan runs.
    void waitWindowShowsTheScan() {
        MessageBoxAnswerer answers;
        KategorieListeDialog& list = lists().categories;
        PaintedProgress painted;
        run(u"ListeKategorie"_s, list, [&] {
            list.ListBox->setCurrentRow(rowOf(list.ListBox, u"Tiki"_s));
            QTest::mouseClick(list.LoeschenButton, Qt::LeftButton);
            QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
        });
        QVERIFY2(answers.lastText().startsWith(u"Die Kategorie \"Tiki\" kann nicht gelöscht werden"_s),
                 qPrintable(answers.lastText()));
        QVERIFY(!painted.values.isEmpty());
        QCOMPARE(painted.values.first(), 0);
        QVERIFY2(*std::max_element(painted.values.cbegin(), painted.values.cend()) > 0,
                 qPrintable(QString::number(painted.values.size())));
    }

    void decorationTakesAFreedRecord() {
        MessageBoxAnswerer answers;
        answers.queue(Meldungsfenster::Yes);
        DekoListeDialog& list = lists().decorations;
        DekoEditDialog& editor = lists().decorationEditor;
        int firstNew = 0;
        int secondNew = 0;
        bool openAfterEnterInMemo = false;
        QString description;
        run(u"ListeDekoration"_s, list, [&] {
            clickInto(list.hinzubutton, editor, [&] {
                type(editor.NameEdit2, u"Gurkenscheibe"_s);
                type(editor.Memo, u"Dünn"_s);
                QTest::keyClick(editor.Memo, Qt::Key_Return); // a new line, not OK
                type(editor.Memo, u"geschnitten"_s);
                openAfterEnterInMemo = editor.isVisible();
                description = editor.Memo->toPlainText();
                QTest::mouseClick(editor.OkButton, Qt::LeftButton);
            });
            firstNew = list.ListBox->currentData();
            QTest::mouseClick(list.LoeschenButton, Qt::LeftButton);
            clickInto(list.hinzubutton, editor, [&] {
                type(editor.NameEdit2, u"Melonenkugel"_s);
                QTest::keyClick(editor.NameEdit2, Qt::Key_Return); // Enter confirms, as in the other lists
                if (editor.isVisible())
                    QTest::mouseClick(editor.AbbrechenButton, Qt::LeftButton);
            });
            secondNew = list.ListBox->currentData();
            QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
        });
        QCOMPARE(answers.lastText(), u"Möchten Sie die angewählte Dekoration wirklich löschen?"_s);
        QVERIFY(openAfterEnterInMemo);
        QCOMPARE(description, u"Dünn\ngeschnitten"_s);
        QVERIFY(firstNew > 0);
        QCOMPARE(secondNew, firstNew);
        m_w->tables.ApolloDeko.Go(secondNew);
        QCOMPARE(m_w->tables.ApolloDeko.GetTrimString(Fields::Term::Name), u"Melonenkugel"_s);
        QCOMPARE(m_w->tables.ApolloDeko.GetMemo(Fields::Term::Text), QString());
    }

    void readOnlyRefusesEveryList() {
        MessageBoxAnswerer answers;
        m_w->state.run.readOnly = true;
        for (const QString& command : {u"ListeZutaten"_s, u"ListeGeschmack"_s}) {
            QDialog& dialog = command == u"ListeZutaten"_s ? static_cast<QDialog&>(ingredients().dialog)
                                                           : static_cast<QDialog&>(lists().tastes);
            NameListDialog& list = static_cast<NameListDialog&>(dialog);
            run(command, dialog, [&] {
                QTest::mouseClick(list.hinzubutton, Qt::LeftButton);
                QTest::mouseClick(list.LoeschenButton, Qt::LeftButton);
                QTest::mouseClick(list.AbbrechenButton, Qt::LeftButton);
            });
        }
        QCOMPARE(answers.shown().size(), 4);
        for (const auto& r : answers.shown())
            QCOMPARE(r.text, Notice::readOnly().text);
    }
};

VELTA_TEST_MAIN_GUI(TestMaintListDialogs)
#include "tst_maintlistdialogs.moc"
