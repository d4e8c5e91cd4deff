#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "TestFiles.h"
#include "UserInput.h"
#include "VeltaGuiTest.h"
#include "app/ProgramWindows.h"
#include "app/TMain.h"
#include "assistants/gui/JournalDialog.h"
#include "browser/MissingIngredients.h"
#include "browser/RecipeClipboard.h"
#include "browser/RecipeDisplay.h"
#include "browser/RecipeTextLayout.h"
#include "browser/TitleBarGeometry.h"
#include "browser/gui/BrowserController.h"
#include "browser/gui/ClientFrame.h"
#include "browser/gui/RecipePhoto.h"
#include "browser/gui/RecipeView.h"
#include "browser/gui/SimilarDrinksDialog.h"
#include "common/DataTables.h"
#include "store/RawFile.h"
#include "ui/EntryList.h"
#include "ui/HelpWindow.h"
#include "ui/Skins.h"

#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Shell : ProgramWindows {
    explicit Shell(const QString& folder) : ProgramWindows(withoutIni(folder)) {}
    BrowserController& browser() { return *main.browser; }
    int row(const QString& name) const { return main.HauptListBox->findRow(name); }
    void select(const QString& name) {
        main.HauptListBox->setCurrentRow(row(name));
        browser().selectionChanged();
    }
    int markOf(int recNo) {
        tables.ApolloRezepte.Go(recNo);
        return int(tables.ApolloRezepte.GetInteger(QStringLiteral("MARK")));
    }
};

} // namespace

class TestBrowserWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<Shell> m_shell;

    Shell& shell() { return *m_shell; }

private slots:
    void init() {
        m_shell.reset();
        m_dir = std::make_unique<TempDataFolder>();
        QVERIFY(StartupFixture::make(m_dir->path()));
        m_shell = std::make_unique<Shell>(m_dir->path());
        QVERIFY(shell().main.create());
        shell().main.setWindowState(Qt::WindowNoState);
        shell().main.resize(800, 600);
        shell().main.show();
    }
    void cleanup() {
        if (m_shell)
            m_shell->main.close();
        m_shell.reset();
    }

    void typingSelectsWithoutShowing() {
        const QString shownBefore = shell().browser().browser().display().name;
        shell().main.HauptEdit->setFocus();
        QTest::keyClicks(shell().main.HauptEdit, QStringLiteral("mo"));
        const QString selected = shell().main.HauptListBox->currentText();
        QVERIFY2(selected.startsWith(QStringLiteral("Mo"), Qt::CaseInsensitive), qPrintable(selected));
        QCOMPARE(shell().browser().browser().display().name, shownBefore);
        QCOMPARE(shell().main.HauptEdit->text(), QStringLiteral("mo"));
    }

    // The quick search finds a drink however a German user types its name on any keyboard.
    void quickSearchFolds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");
        QTest::newRow("umlaut spelled")
            << QStringLiteral("gluehwein m") << QStringLiteral("Glühwein mit Schuss");
        QTest::newRow("umlaut as letter") << QStringLiteral("gruene") << QStringLiteral("Grüne Witwe");
        QTest::newRow("accent left off") << QStringLiteral("pina") << QStringLiteral("Piña Colada");
        QTest::newRow("sharp s as ss") << QStringLiteral("suessg") << QStringLiteral("Süßgespritzter");
        QTest::newRow("real ue as written") << QStringLiteral("blue l") << QStringLiteral("Blue Lagoon");
    }
    void quickSearchFolds() {
        QFETCH(QString, typed);
        shell().main.HauptEdit->setFocus();
        QTest::keyClicks(shell().main.HauptEdit, typed);
        QTEST(shell().main.HauptListBox->currentText(), "selected");
        QCOMPARE(shell().main.HauptEdit->toolTip(), QString());
        shell().main.HauptEdit->clear();
    }

    // When no name begins with the text, the quick search finds a name holding it or the closest
    // one, and its tool tip says so.
    void quickSearchForgives_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("note");
        QTest::newRow("inside") << QStringLiteral("colada") << QStringLiteral("Piña Colada")
                                << QStringLiteral("Kein Name beginnt mit „colada“: gefunden im Namen.");
        QTest::newRow("typing error")
            << QStringLiteral("margerita") << QStringLiteral("Margarita")
            << QStringLiteral("Kein Name beginnt mit „margerita“: gefunden der ähnlichste Name.");
        // The other names of the shipped ALIAS.TXT.
        QTest::newRow("other name") << QStringLiteral("Wodka-O") << QStringLiteral("Wodka Orange")
                                    << QStringLiteral("Kein Name beginnt mit „Wodka-O“: gefunden unter dem "
                                                      "anderen Namen „Wodka-O“.");
        QTest::newRow("trade name") << QStringLiteral("Campari Orange") << QStringLiteral("Garibaldi")
                                    << QStringLiteral(
                                           "Kein Name beginnt mit „Campari Orange“: gefunden unter "
                                           "dem anderen Namen „Campari Orange“.");
    }
    void quickSearchForgives() {
        QFETCH(QString, typed);
        QLineEdit* edit = shell().main.HauptEdit;
        edit->setFocus();
        QTest::keyClicks(edit, typed);
        QTEST(shell().main.HauptListBox->currentText(), "selected");
        QTEST(edit->toolTip(), "note");
        edit->clear();
    }

    // Letters typed on the list itself search the same way.
    void listKeyboardSearchFolds() {
        EntryList* list = shell().main.HauptListBox;
        list->setFocus();
        QTest::keyClicks(list, QStringLiteral("champs-ely"));
        QCOMPARE(list->currentText(), QStringLiteral("Champs-Élysées"));
    }

    void clearingTheSearchFieldKeepsTheSelection() {
        QLineEdit* edit = shell().main.HauptEdit;
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("m"));
        const int row = shell().main.HauptListBox->currentRow();
        QVERIFY(row > 1);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(shell().main.HauptListBox->currentRow(), row);
    }

    void dragInTheListShowsTheDrinkWhereItEnds() {
        EntryList* list = shell().main.HauptListBox;
        const QRect first = list->visualRect(list->model()->index(1, 0));
        const QRect third = list->visualRect(list->model()->index(3, 0));
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, first.center());
        QMouseEvent move(QEvent::MouseMove, QPointF(third.center()),
                         list->viewport()->mapToGlobal(QPointF(third.center())), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(list->currentRow(), 3);
        QCOMPARE(shell().browser().browser().display().name, list->text(3));
    }

    void steppingButtons() {
        EntryList* list = shell().main.HauptListBox;
        QCOMPARE(list->currentRow(), 0);
        shell().main.UListe->click(); // already at the top: nothing
        QCOMPARE(list->currentRow(), 0);
        shell().main.OListe->click();
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(shell().browser().browser().display().name, list->text(1));
        QCOMPARE(shell().main.HauptEdit->text(), list->text(1));
        list->setCurrentRow(list->count() - 1);
        shell().main.OListe->click(); // at the end: nothing
        QCOMPARE(list->currentRow(), list->count() - 1);
    }

    void markingTheCurrentRecipe() {
        shell().select(QStringLiteral("Mojito"));
        const int recNo = shell().browser().browser().shown().CurrentRecNo();
        QCOMPARE(shell().markOf(recNo), 0);
        QVERIFY(shell().main.Markigrafik->isHidden());
        shell().browser().ToggleMark();
        QCOMPARE(shell().markOf(recNo), 1);
        QVERIFY(!shell().main.Markigrafik->isHidden());
        shell().browser().ToggleMark();
        QCOMPARE(shell().markOf(recNo), 0);
    }

    void markAllAsksAndClearAllReachesUnlistedRecipes() {
        MessageBoxAnswerer answers;
        TApollo& re = shell().tables.ApolloRezepte;
        const int listed = re.Query(QStringLiteral("CANR = 4223"));
        QVERIFY(listed > 1);
        shell().main.recipes().FillRecipeList(false);
        re.Query(QString());
        answers.queue(Meldungsfenster::No);
        shell().browser().MarkAllListed();
        QVERIFY(answers.lastText().contains(QStringLiteral("%1 Getränke wirklich markieren?").arg(listed)));
        QCOMPARE(re.Query(QStringLiteral("MARK = 1")), 0);
        answers.queue(Meldungsfenster::Yes);
        shell().browser().MarkAllListed();
        QCOMPARE(re.Query(QStringLiteral("MARK = 1")), listed);
        re.Query(QString());
        shell().main.recipes().FillRecipeList(false); // all recipes again
        QVERIFY(re.Query(QStringLiteral("CANR = 1111")) > 0);
        shell().main.recipes().FillRecipeList(false); // the marked ones are no longer listed
        re.Query(QString());
        answers.queue(Meldungsfenster::Yes);
        shell().browser().ClearAllMarks();
        QCOMPARE(re.Query(QStringLiteral("MARK = 1")), 0);
        re.Query(QString());
    }

    void aFailedWriteIsReportedNotFatal() {
        MessageBoxAnswerer answers;
        const int recNo = shell().browser().browser().shown().CurrentRecNo();
        RawFile::failWritesAfter(0);
        shell().browser().ToggleMark();
        RawFile::stopFailingWrites();
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().caption, QStringLiteral("Fehler"));
        // The failed write stays pending rather than lost: trying again writes the mark.
        shell().browser().ToggleMark();
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(shell().markOf(recNo), 1);
        QVERIFY(!shell().main.Markigrafik->isHidden());
        shell().browser().ToggleMark();
        QCOMPARE(shell().markOf(recNo), 0);
    }

    void readOnlyRefusesMarks() {
        MessageBoxAnswerer answers;
        shell().state.run.readOnly = true;
        const int recNo = shell().browser().browser().shown().CurrentRecNo();
        shell().browser().ToggleMark();
        shell().browser().MarkAllListed();
        shell().browser().ClearAllMarks();
        QCOMPARE(answers.shown().size(), 3);
        QVERIFY(answers.lastText().startsWith(QStringLiteral("Diese Funktion ist gespert")));
        QCOMPARE(shell().markOf(recNo), 0);
    }

    void recipeTextToTheClipboard() {
        MessageBoxAnswerer answers;
        shell().select(QStringLiteral("Mojito"));
        shell().browser().copyRecipeText();
        const QString text = QApplication::clipboard()->text();
        QVERIFY2(text.startsWith(QStringLiteral("Mojito\n\n")), qPrintable(text.left(80)));
        QVERIFY(text.contains(QStringLiteral("Kategorie: ")));
        QCOMPARE(answers.lastText(), QStringLiteral("Der Rezepttext wurde in die Zwischenablage kopiert."));
    }

    // A drink with other names shows them above its ingredients; the marks of missing ingredients
    // and the copied recipe text stay with the ingredients.
    void otherNamesAboveTheIngredients() {
        MessageBoxAnswerer answers;
        AppState& state = shell().state;
        state.settings.changeOptions().set(OptionsRecord::HomeBar, 1);
        state.catalogue.changeIngredients([&](IngredientChoices& c) { c.homeBars.set(1, 6, true); }); // juice
        shell().main.activateWindow(); // Enter is the main window's key only while it is active
        QVERIFY(QTest::qWaitForWindowActive(&shell().main));
        shell().main.HauptEdit->setFocus();
        QTest::keyClicks(shell().main.HauptEdit, QStringLiteral("Campari Orange"));
        QTest::keyClick(shell().main.HauptEdit, Qt::Key_Return);
        const RecipeDisplay& d = shell().browser().browser().display();
        QCOMPARE(d.name, QStringLiteral("Garibaldi"));
        QCOMPARE(RecipeTextLayout::factText(d.lines.at(0).text),
                 QStringLiteral("auch: Campari Orange, Campari-O, Campari O-Saft"));
        QCOMPARE(RecipeTextLayout::factText(d.lines.at(2).text), QStringLiteral("4 cl  Bitter-Aperitif rot"));
        QCOMPARE(shell().main.AusgabePaintBox->missingLines(), (QList<int>{2, 4})); // the bitter and the ice
        shell().browser().copyRecipeText();
        QVERIFY2(QApplication::clipboard()->text().startsWith(
                     QStringLiteral("Garibaldi\n\n4 cl  Bitter-Aperitif rot\n")),
                 qPrintable(QApplication::clipboard()->text().left(80)));
        shell().select(QStringLiteral("Whisky Cola")); // a long line is broken before a name
        QCOMPARE(RecipeTextLayout::factText(d.lines.at(0).text),
                 QStringLiteral("auch: Jacky-Cola, Jack-Cola, Whiskey-Cola,"));
        QCOMPARE(RecipeTextLayout::factText(d.lines.at(1).text), QStringLiteral("Bourbon-Cola"));
        QCOMPARE(RecipeTextLayout::factText(d.lines.at(3).text), QStringLiteral("4 cl  Bourbon Whiskey"));
        shell().select(QStringLiteral("Mojito")); // no other names
        QCOMPARE(RecipeTextLayout::factText(d.lines.at(0).text), QStringLiteral("4 cl  Weißer Rum"));
    }

    // "Was fehlt" through the recipe view's pop-up menu: a real right-click opens it, the item
    // copies the lines the bar lacks and is disabled when nothing is missing.
    void missingIngredientsFromThePopup() {
        AppState& state = shell().state;
        state.settings.changeOptions().set(OptionsRecord::HomeBar, 1);
        for (const int number : {5, 3, 233, 15, 2, 112}) // Mojito without its rum, plus Rhum Agricole
            state.catalogue.changeIngredients([&](IngredientChoices& c) { c.homeBars.set(1, number, true); });
        shell().select(QStringLiteral("Mojito"));
        const auto popupItem = [&](bool* enabled) {
            RecipeView* view = shell().main.AusgabePaintBox;
            QTest::mouseClick(view, Qt::RightButton, {}, QPoint(40, 40)); // the menu opens on the release
            QMenu* popup = shell().main.TextPopup;
            if (!QTest::qWaitFor([popup] { return popup->isVisible(); }))
                return false;
            QAction* item = popup->findChild<QAction*>(QStringLiteral("missingIngredients"));
            *enabled = item && item->isEnabled();
            if (*enabled)
                QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
            else
                QTest::keyClick(popup, Qt::Key_Escape); // a disabled item does not close the menu
            return QTest::qWaitFor([popup] { return !popup->isVisible(); });
        };
        MessageBoxAnswerer answers;
        QApplication::clipboard()->clear();
        bool enabled = false;
        QVERIFY(popupItem(&enabled));
        QVERIFY(enabled);
        QCOMPARE(shell().main.AusgabePaintBox->missingLines(), QList<int>{0});
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4 cl  Weißer Rum"));
        QCOMPARE(answers.lastText(), QStringLiteral("Der Text wurde in die Zwischenablage kopiert."));

        // With substitutes allowed the shipped ERSATZ.TXT lets Rhum Agricole stand in: nothing is
        // marked, the item is off.
        // The rum's line says what stands in, drawn beside it, not part of the recipe's text.
        RecipeView* view = shell().main.AusgabePaintBox;
        const QImage without = view->render();
        state.settings.changeBar().allowSubstitutes = true;
        view->relayout();
        QVERIFY(view->missingLines().isEmpty());
        QCOMPARE(view->standIns(),
                 (QHash<int, QString>{{0, QStringLiteral("(Rhum Agricole statt Weißer Rum)")}}));
        const QImage with = view->render();
        QVERIFY(with != without);
        QVERIFY(!RecipeClipboard::recipeText(shell().browser().browser().display())
                     .contains(QStringLiteral("statt")));
        QVERIFY(popupItem(&enabled));
        QVERIFY(!enabled);
        QCOMPARE(answers.shown().size(), 1);
    }

    // "Ähnliche Drinks" through the pop-up menu: the window lists the closest drinks with their
    // points; a double-click shows the first in the main window, lifting a search that hid it.
    void similarDrinksFromThePopup() {
        shell().select(QStringLiteral("Mojito"));
        const int mojito = shell().browser().CurrentRecNo();
        shell().browser().FillRecipeList(false,
                                         [mojito](TApollo& recipes) { return recipes.RecNo() == mojito; });
        QCOMPARE(shell().main.HauptListBox->count(), 1); // as a search leaves it
        QStringList listed;
        QTest::mouseClick(shell().main.AusgabePaintBox, Qt::RightButton, {}, QPoint(40, 40));
        QMenu* popup = shell().main.TextPopup;
        QVERIFY(QTest::qWaitFor([popup] { return popup->isVisible(); }));
        QAction* item = popup->findChild<QAction*>(QStringLiteral("similarDrinks"));
        QVERIFY(item);
        // The window opens modally from the menu: it is driven once it is up.
        std::function<void(int)> drive = [&](int tries) {
            auto* similar = qobject_cast<SimilarDrinksDialog*>(QApplication::activeModalWidget());
            if (!similar) {
                if (tries > 0)
                    QTimer::singleShot(10, [&drive, tries] { drive(tries - 1); });
                return;
            }
            for (const ListEntry& e : similar->Liste->entries())
                listed << e.text;
            const QPoint first = similar->Liste->visualRect(similar->Liste->model()->index(0, 0)).center();
            QTest::mousePress(similar->Liste->viewport(), Qt::LeftButton, {}, first);
            QTest::mouseRelease(similar->Liste->viewport(), Qt::LeftButton, {}, first);
            QTest::mouseDClick(similar->Liste->viewport(), Qt::LeftButton, {}, first);
        };
        QTimer::singleShot(10, [&drive] { drive(300); });
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
        QVERIFY(QTest::qWaitFor([&] { return !listed.isEmpty() && !QApplication::activeModalWidget(); }));
        QCOMPARE(listed.size(), 10);
        QVERIFY2(listed.first().endsWith(QStringLiteral(" Punkte)")), qPrintable(listed.first()));
        QVERIFY(std::none_of(listed.cbegin(), listed.cend(), [](const QString& line) {
            return line.startsWith(QStringLiteral("Mojito ("));
        }));
        const QString first = listed.first().left(listed.first().lastIndexOf(QStringLiteral(" (")));
        QCOMPARE(shell().browser().browser().display().name, first);
        QCOMPARE(shell().main.HauptListBox->count(), shell().state.catalogue.recipeTotal());
    }

    // The user's own records in the recipe view: a click on the title's stars, the note under the
    // remark in its own colour, "Gemixt!" and the journal window, each through the real path, and
    // what lands in MEINE.TXT.
    void myDrinksInTheRecipeView() {
        MessageBoxAnswerer answers;
        const QString file = shell().state.folders.dataFolder + u"/MEINE.TXT"_s;
        shell().select(u"Mojito"_s);
        const int mojito = shell().browser().CurrentRecNo();
        ClientFrame* frame = shell().main.UntenPaintBox;
        const QRect title = TitleBarGeometry::titleRect(frame->width());
        const auto clickStar = [&](int n) {
            QTest::mouseClick(frame, Qt::LeftButton, {},
                              title.topLeft() + TitleBarGeometry::star(title.width(), n).center());
        };
        const QImage plain = frame->grab().toImage();
        clickStar(4);
        QCOMPARE(frame->stars(), 4);
        QVERIFY(frame->grab().toImage() != plain);
        QVERIFY2(TestFiles::readAll(file).contains("] Mojito\r\nSterne=4\r\n"),
                 TestFiles::readAll(file).constData());
        clickStar(4); // the last star again takes them away
        QCOMPARE(frame->stars(), 0);
        shell().main.RunCommand(u"Sterne2"_s); // "Bewertung" in the pop-up menu
        QCOMPARE(shell().browser().browser().display().stars, 2);

        // The note, typed into its window.
        const auto inDialog = [](const QString& name, const std::function<void(QWidget*)>& act) {
            QTimer::singleShot(10, [name, act] {
                // A window that never opens fails the checks after the command, not here.
                static_cast<void>(QTest::qWaitFor([&] {
                    return QApplication::activeModalWidget() &&
                           QApplication::activeModalWidget()->objectName() == name;
                }));
                QWidget* dialog = QApplication::activeModalWidget();
                if (dialog && dialog->objectName() == name)
                    act(dialog);
                if (QApplication::activeModalWidget() == dialog && dialog)
                    static_cast<QDialog*>(dialog)->reject();
            });
        };
        inDialog(u"NoteDialog"_s, [](QWidget* d) {
            auto* edit = d->findChild<QPlainTextEdit*>(u"NotizEdit"_s);
            edit->setFocus();
            QTest::keyClicks(edit, u"Mit brauner Minze"_s);
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClicks(edit, u"probieren."_s);
            QTest::mouseClick(d->findChild<QPushButton*>(u"OkButton"_s), Qt::LeftButton);
        });
        shell().main.RunCommand(u"Notiz"_s);
        const RecipeDisplay& d = shell().browser().browser().display();
        QVERIFY(d.firstNoteLine > d.firstTextLine);
        QCOMPARE(d.lines.at(d.firstNoteLine).text, u"Meine Notiz:"_s);
        QCOMPARE(d.lines.at(d.firstNoteLine + 1).text, u"Mit brauner Minze"_s);
        QVERIFY(TestFiles::readAll(file).contains("Notiz=Mit brauner Minze\\nprobieren.\r\n"));
        // Drawn in its own colour, once scrolled into sight.
        RecipeView* view = shell().main.AusgabePaintBox;
        while (d.lastShownLine <= d.firstNoteLine && shell().browser().browser().display().scrollDown())
            view->relayout();
        const QImage shown = view->render();
        const QPoint at = UserInput::linePoint(d, d.firstNoteLine + 1);
        bool noteColoured = false;
        for (int x = 0; x < shown.width() && !noteColoured; ++x)
            for (int y = at.y() - 6; y <= at.y() + 6 && !noteColoured; ++y)
                noteColoured = shown.pixelColor(x, y) == view->noteColour();
        QVERIFY(noteColoured);
        shell().browser().copyRecipeText();
        QVERIFY(!QApplication::clipboard()->text().contains(u"Minze probieren"_s));
        QVERIFY(!QApplication::clipboard()->text().contains(u"brauner"_s));
        shell().browser().copyRecipeTextWithNote();
        QVERIFY(
            QApplication::clipboard()->text().endsWith(u"\n\nMeine Notiz:\nMit brauner Minze\nprobieren."_s));

        // "Gemixt!" with three glasses: the view and the journal say so.
        inDialog(u"MixedDialog"_s, [](QWidget* d) {
            auto* glasses = d->findChild<QSpinBox*>(u"GlaeserEdit"_s);
            glasses->setFocus();
            glasses->selectAll();
            QTest::keyClicks(glasses, u"3"_s);
            QTest::mouseClick(d->findChild<QPushButton*>(u"OkButton"_s), Qt::LeftButton);
        });
        shell().main.RunCommand(u"Gemixt"_s);
        const QString today = QDate::currentDate().toString(u"dd.MM.yyyy"_s);
        QVERIFY(d.mixedLine > d.amountLine);
        QCOMPARE(RecipeTextLayout::factText(d.lines.at(d.mixedLine).text),
                 u"zuletzt gemixt am %1, 1-mal"_s.arg(today));
        QStringList byDate;
        QStringList byDrink;
        inDialog(u"JournalDialog"_s, [&](QWidget* dialog) {
            auto* journal = static_cast<JournalDialog*>(dialog);
            for (const ListEntry& e : journal->DatumListe->entries())
                byDate << e.text;
            for (const ListEntry& e : journal->DrinkListe->entries())
                byDrink << e.text;
        });
        shell().main.RunCommand(u"Journal"_s);
        QCOMPARE(byDate, QStringList{u"%1   3 Gläser    Mojito"_s.arg(today)});
        QCOMPARE(byDrink, QStringList{u"Mojito   1-mal, 3 Gläser"_s});

        // Read-only: the program's refusal, and the file as it was.
        const QByteArray before = TestFiles::readAll(file);
        shell().state.run.readOnly = true;
        clickStar(5);
        QVERIFY(answers.lastText().startsWith(u"Diese Funktion ist gespert"_s));
        QCOMPARE(frame->stars(), 2);
        QCOMPARE(TestFiles::readAll(file), before);
        QCOMPARE(shell().browser().CurrentRecNo(), mojito);
    }

    void longInstructionsScroll() {
        RecipeDisplay& d = shell().browser().browser().display();
        // The longest recipe in a short window cannot show all its lines.
        shell().main.resize(640, 430);
        QApplication::processEvents();
        for (int row = 0; row < shell().main.HauptListBox->count() && !d.canScroll(); ++row) {
            shell().main.HauptListBox->setCurrentRow(row);
            shell().browser().selectionChanged();
        }
        QVERIFY2(d.canScroll(), qPrintable(QStringLiteral("%1 %2 %3")
                                               .arg(shell().main.AusgabePaintBox->height())
                                               .arg(d.lastLine)
                                               .arg(d.lastShownLine)));
        ClientFrame* frame = shell().main.UntenPaintBox;
        QCOMPARE(d.topLine, 0);
        // Held down, the arrow scrolls with the timer; released, nothing moves any more.
        QTest::mousePress(frame, Qt::LeftButton, {}, frame->downSpot().center());
        QVERIFY(shell().browser().HiTimer()->isActive());
        QTRY_VERIFY(d.topLine >= 2);
        QTest::mouseRelease(frame, Qt::LeftButton, {}, frame->downSpot().center());
        QVERIFY(!shell().browser().HiTimer()->isActive());
        const int top = d.topLine;
        QTest::qWait(120);
        QCOMPARE(d.topLine, top);
        QTest::mousePress(frame, Qt::LeftButton, {}, frame->upSpot().center());
        QTRY_VERIFY(d.topLine < top);
        QTest::mouseRelease(frame, Qt::LeftButton, {}, frame->upSpot().center());
        const int afterUp = d.topLine;
        QTest::qWait(120);
        QCOMPARE(d.topLine, afterUp);
    }

    void textColoursFollowTheBackground_data() {
        QTest::addColumn<int>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("dark") << 1 << QColor(Qt::white);
        QTest::newRow("light") << 2 << QColor(Qt::black);
    }
    void textColoursFollowTheBackground() {
        QFETCH(int, background);
        QFETCH(QColor, text);
        shell().state.settings.changeOptions().set(OptionsRecord::TextBackground, quint8(background));
        shell().main.AusgabePaintBox->LoadBackground();
        QTEST(shell().main.AusgabePaintBox->textColour(), "text");
        QVERIFY(shell().main.AusgabePaintBox->backgroundFile().endsWith(
            background == 1 ? QStringLiteral("D.BMP") : QStringLiteral("H.BMP")));
        const QImage image = shell().main.AusgabePaintBox->render();
        bool found = false;
        for (int y = 20; y < 60 && !found; ++y)
            for (int x = 0; x < image.width() && !found; ++x)
                found = image.pixelColor(x, y) == text;
        QVERIFY(found);
    }

    void lexiconTermsAreMarked() {
        shell().state.settings.changeOptions().set(OptionsRecord::LexiconMarked, 1);
        shell().select(QStringLiteral("Mojito"));
        shell().main.AusgabePaintBox->relayout();
        QVERIFY(!shell().main.AusgabePaintBox->links().links().isEmpty());
    }

    // The default for "e" and for a damaged file, a photo at its size and one stretched to it, and the
    // default again with photos switched off.
    void photoDefaultAndSizes() {
        RecipePhoto photo(shell().state);
        photo.LoadPhoto(QStringLiteral("e"), true);
        QVERIFY(photo.showsDefault());
        QDir().mkpath(m_dir->filePath(QStringLiteral("BILDER/00")));
        QImage exact(140, 200, QImage::Format_RGB888);
        exact.fill(Qt::red);
        exact.save(m_dir->filePath(QStringLiteral("BILDER/00/7.BMP")));
        photo.LoadPhoto(QStringLiteral("7"), true);
        QVERIFY(!photo.showsDefault());
        QCOMPARE(photo.pixmap().size(), QSize(140, 200));
        QImage other(70, 50, QImage::Format_RGB888);
        other.fill(Qt::blue);
        other.save(m_dir->filePath(QStringLiteral("BILDER/00/8.BMP")));
        photo.LoadPhoto(QStringLiteral("8"), true);
        QCOMPARE(photo.pixmap().size(), QSize(140, 200)); // stretched
        QFile damaged(m_dir->filePath(QStringLiteral("BILDER/00/9.BMP")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("BM kaputt");
        damaged.close();
        photo.LoadPhoto(QStringLiteral("9"), true);
        QVERIFY(photo.showsDefault());
        QVERIFY(photo.pixmap().toImage().pixelColor(70, 100) != QColor(Qt::blue)); // not the last photo
        shell().state.settings.changeOptions().set(OptionsRecord::Photos, 0);
        photo.LoadPhoto(QStringLiteral("7"), true);
        QVERIFY(photo.showsDefault());
    }
};

VELTA_TEST_MAIN_GUI(TestBrowserWindow)
#include "tst_browserwindow.moc"
