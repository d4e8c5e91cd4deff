#include "MessageBoxAnswerer.h"
#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "app/Application.h"
#include "app/CommandTable.h"
#include "app/KeyboardHook.h"
#include "app/MainMenu.h"
#include "app/ProgramWindows.h"
#include "app/SingleInstance.h"
#include "app/TMain.h"
#include "app/ToolbarPanel.h"
#include "browser/RecipeDisplay.h"
#include "browser/gui/BrowserController.h"
#include "common/DataTables.h"
#include "ui/HelpWindow.h"
#include "ui/ProgramFonts.h"
#include "ui/Skins.h"
#include "ui/TMeldungDialog.h"
#include "ui/TOwnFenster.h"
#include "ui/TWartenDialog.h"

#include "ui/EntryList.h"
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include <functional>

using Damage = std::function<void(const QString& dataFolder)>;
Q_DECLARE_METATYPE(Damage)

namespace {

struct Shell : ProgramWindows {
    explicit Shell(const QString& programFolder) : ProgramWindows(withoutIni(programFolder)) {}
};

// The main window made, shown and active, as the keys it takes need it.
bool showActive(ProgramWindows& shell) {
    if (!shell.main.create())
        return false;
    shell.main.show();
    shell.main.activateWindow();
    return QTest::qWaitForWindowActive(&shell.main);
}

void pressKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUp_data() {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("intact") << Damage([](const QString&) {}) << 0 << "";
        QTest::newRow("DEFAULT.BMP missing")
            << Damage([](const QString& d) { QFile::remove(d + QStringLiteral("/DEFAULT.BMP")); }) << 1
            << "Die Datei VELTA.INI ist defekt. Installieren Sie Velta Cocktails erneut.";
        QTest::newRow("table cannot be opened") << Damage([](const QString& d) {
            QFile f(d + QStringLiteral("/DE.DBF"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("kaputt");
        }) << 1 << "Die Datenbanken konnten nicht geöffnet werden.";
        QTest::newRow("table cut short is repaired") << Damage([](const QString& d) {
            QFile f(d + QStringLiteral("/DE.DBF"));
            QVERIFY(f.resize(f.size() - 10)); // the last record incomplete, as after a power loss
        }) << 0 << "die vollständigen Sätze werden gelesen";
        QTest::newRow("skin bitmap missing")
            << Damage([](const QString& d) { QFile::remove(d + QStringLiteral("/ORIENT_DR.BMP")); }) << 1
            << "/DATEN/ORIENT_D_??.BMP konnte nicht geladen werden!";
        QTest::newRow("15 categories end silently") << Damage([](const QString& d) {
            QFile f(d + QStringLiteral("/VE.DAT"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("x\r\n");
            for (int i = 0; i < 15; ++i)
                f.write("K\r\n");
        }) << 1 << "";
        QTest::newRow("16 categories start") << Damage([](const QString& d) {
            QFile f(d + QStringLiteral("/VE.DAT"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("x\r\n");
            for (int i = 0; i < 16; ++i)
                f.write("K\r\n");
        }) << 0 << "";
    }
    void startUp() {
        QFETCH(Damage, damage);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        TempDataFolder dir;
        QVERIFY(StartupFixture::make(dir.path()));
        damage(dir.filePath(QStringLiteral("DATEN")));
        MessageBoxAnswerer answers;
        const int code =
            Application::start({dir.filePath(QStringLiteral("VELTA98.INI")), dir.path(), {}}, {}, false);
        QCOMPARE(code, exitCode);
        if (message.isEmpty()) {
            QCOMPARE(answers.shown().size(), 0);
        } else {
            QCOMPARE(answers.shown().size(), 1);
            QVERIFY2(answers.lastText().endsWith(message), qPrintable(answers.lastText()));
        }
    }

    // An installed program finds no data of the user at the first start: it sets them up from its
    // read-only image, says so once, and the next start opens them without a word.
    void firstStartSetsUpTheUsersDataOnce() {
        TempDataFolder dir;
        const QString image = dir.filePath(QStringLiteral("usr/share/velta98"));
        QVERIFY(StartupFixture::make(image));
        const Application::Paths paths{dir.filePath(QStringLiteral("config/VELTA98.INI")), image,
                                       dir.filePath(QStringLiteral("home/velta98"))};
        MessageBoxAnswerer answers;
        QCOMPARE(Application::start(paths, {}, false), 0);
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().caption, QStringLiteral("Hinweis"));
        QVERIFY2(answers.lastText().startsWith(QStringLiteral("Willkommen bei Velta Cocktails 98!")) &&
                     answers.lastText().contains(paths.firstStartFolder),
                 qPrintable(answers.lastText()));
        QVERIFY(QFileInfo(paths.firstStartFolder + QStringLiteral("/DATEN/RE.DBF")).isFile());
        QVERIFY(QFileInfo(paths.iniPath).isFile());
        QCOMPARE(Application::start(paths, {}, false), 0);
        QCOMPARE(answers.shown().size(), 1);

        // A folder that cannot take the data: said as an error, and the program still starts.
        const Application::Paths blocked{dir.filePath(QStringLiteral("other/VELTA98.INI")), image,
                                         dir.filePath(QStringLiteral("usr/share"))};
        QCOMPARE(Application::start(blocked, {}, false), 0);
        QCOMPARE(answers.shown().size(), 2);
        QVERIFY2(
            answers.lastText().startsWith(QStringLiteral("Ihre Daten konnten nicht eingerichtet werden:")),
            qPrintable(answers.lastText()));
    }

    void readOnlyStart() {
        TempDataFolder dir;
        QVERIFY(StartupFixture::make(dir.path()));
        QFile::setPermissions(dir.filePath(QStringLiteral("DATEN/VE.DAT")), QFile::ReadOwner);
        Shell shell(dir.path());
        QVERIFY(shell.main.create());
        QVERIFY(shell.state.run.readOnly);
        QVERIFY(shell.tables.RezepteTable.file().isReadOnly());
        QCOMPARE(shell.state.folders.picturesFolder, dir.filePath(QStringLiteral("BILDER/")));
        QVERIFY(shell.main.HauptListBox->count() >= 400);
        // Marking the shown drink would write the table: refused with the medium's message.
        MessageBoxAnswerer answers;
        const bool marked = shell.main.browser->browser().shown().CurrentMarked();
        shell.main.RunCommand(QStringLiteral("MarkAktuell"));
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().lines, 3);
        QVERIFY(answers.lastText().startsWith(QStringLiteral("Diese Funktion ist gespert")));
        QCOMPARE(shell.main.browser->browser().shown().CurrentMarked(), marked);
        shell.main.close();
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("DATEN/OPTION.CFG"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("DATEN/SUCHEN.CFG"))));
    }

    void closeWritesSettings() {
        TempDataFolder dir;
        QVERIFY(StartupFixture::make(dir.path()));
        Shell shell(dir.path());
        QVERIFY(shell.main.create());
        QCOMPARE(shell.main.AnzLabel->text(),
                 QStringLiteral("%1 Rezepte").arg(shell.state.catalogue.recipeTotal()));
        QVERIFY(!shell.main.menu->action(QStringLiteral("SucheAus"))->isEnabled());
        QVERIFY(shell.state.run.mayWrite());
        shell.main.close();
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("DATEN/OPTION.CFG"))).size(), 72);
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("DATEN/SUCHEN.CFG"))).size(), 4360);
    }

    void navigationKeysMoveTheListFromTheSearchField() {
        TempDataFolder dir;
        QVERIFY(StartupFixture::make(dir.path()));
        Shell shell(dir.path());
        QVERIFY(showActive(shell));
        // A short list: the five drinks of one assistant code (4413), with room for ten lines.
        // Cancelling a search is one command: menu item and both toolbar sets follow it.
        for (bool hi : {true, false})
            QVERIFY(!shell.main.Panel1->button(hi, 4)->isEnabled());
        QVERIFY(!shell.main.menu->action(QStringLiteral("SucheAus"))->isEnabled());
        QCOMPARE(shell.tables.ApolloRezepte.Query(QStringLiteral("CANR = 4413")), 5);
        shell.main.recipes().FillRecipeList(false);
        shell.tables.ApolloRezepte.Query(QString());
        EntryList* list = shell.main.HauptListBox;
        QCOMPARE(list->count(), 5);
        QVERIFY(shell.main.menu->action(QStringLiteral("SucheAus"))->isEnabled());
        for (bool hi : {true, false})
            QVERIFY(shell.main.Panel1->button(hi, 4)->isEnabled());
        list->setFixedHeight(list->sizeHintForRow(0) * 10 + 2 * list->frameWidth());
        shell.main.HauptEdit->setFocus();
        QSignalSpy shown(shell.main.hook, &KeyboardHook::selectionMoved);
        pressKey(shell.main.HauptEdit, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(shell.main.HauptEdit->text(), list->text(1)); // shown and synced
        QVERIFY(shell.main.HauptEdit->hasFocus());
        QCOMPARE(shell.main.browser->browser().display().name, list->text(1));
        pressKey(shell.main.HauptEdit, Qt::Key_PageDown);
        QCOMPARE(list->currentRow(), 4);
        pressKey(shell.main.HauptEdit, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 4);
        pressKey(shell.main.HauptEdit, Qt::Key_PageUp);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(shown.size(), 4);
        shell.main.close();
    }

    // Keys for another window are not the main window's: a choice box in a window beside it moves
    // with the arrow key, and Enter reaches it, while the recipe list stays where it is.
    void keysForAnotherWindowReachIt() {
        TempDataFolder dir;
        QVERIFY(StartupFixture::make(dir.path()));
        Shell shell(dir.path());
        QVERIFY(showActive(shell));
        const int row = shell.main.HauptListBox->currentRow();
        QWidget beside;
        auto* choice = new QComboBox(&beside);
        choice->addItems({QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei")});
        auto* field = new QLineEdit(&beside);
        field->move(0, 40);
        beside.setAttribute(Qt::WA_ShowWithoutActivating);
        beside.show();
        QCOMPARE(QApplication::activeWindow(), &shell.main);
        pressKey(choice, Qt::Key_Down);
        QCOMPARE(choice->currentText(), QStringLiteral("zwei"));
        bool entered = false;
        connect(field, &QLineEdit::returnPressed, this, [&entered] { entered = true; });
        pressKey(field, Qt::Key_Return);
        QVERIFY(entered);
        QCOMPARE(shell.main.HauptListBox->currentRow(), row);
        shell.main.close();
    }

    // The list box shows whole rows only, at any window height and after a refill.
    void recipeListShowsWholeRows() {
        TempDataFolder dir;
        QVERIFY(StartupFixture::make(dir.path()));
        ProgramWindows shell(ProgramWindows::withoutIni(dir.path()));
        QVERIFY(shell.main.create());
        shell.main.show();
        EntryList* list = shell.main.HauptListBox;
        for (int height : {600, 611, 637, 700}) {
            shell.main.resize(800, height);
            QApplication::processEvents();
            const int row = list->sizeHintForRow(0);
            QVERIFY(row > 0);
            QCOMPARE((list->height() - 2 * list->frameWidth()) % row, 0);
            QVERIFY(list->height() > 10 * row);
        }
        shell.main.close();
    }

    void pageMovesStopAtTheEnds_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("expected");
        QTest::newRow("page down short list") << int(Qt::Key_PageDown) << 0 << 5 << 10 << 4;
        QTest::newRow("page down by rows-1") << int(Qt::Key_PageDown) << 0 << 50 << 10 << 9;
        QTest::newRow("page up not below 0") << int(Qt::Key_PageUp) << 3 << 50 << 10 << 0;
        QTest::newRow("up at top") << int(Qt::Key_Up) << 0 << 5 << 10 << -1;
        QTest::newRow("empty list") << int(Qt::Key_Down) << 0 << 0 << 10 << -1;
    }
    void pageMovesStopAtTheEnds() {
        QFETCH(int, key);
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(int, rows);
        QTEST(KeyboardHook::moveSelection(key, current, count, rows), "expected");
    }

    void rightButtonMenuOpensOnRelease() {
        QWidget parent;
        EntryList target(&parent);
        EntryList dummy;
        KeyboardHook hook(&parent, &dummy);
        qApp->installEventFilter(&hook);
        int menus = 0;
        target.setContextMenuPolicy(Qt::CustomContextMenu);
        connect(&target, &QWidget::customContextMenuRequested, this, [&menus] { ++menus; });
        parent.resize(200, 200);
        target.setGeometry(10, 10, 100, 100);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        // Through the window, as the window system delivers it: press, then release.
        QWindow* window = parent.windowHandle();
        const QPoint at = target.viewport()->mapTo(&parent, QPoint(5, 5));
        QTest::mousePress(window, Qt::RightButton, {}, at);
        QCOMPARE(menus, 0);
        QTest::mouseRelease(window, Qt::RightButton, {}, at);
        QCOMPARE(menus, 1);
        qApp->removeEventFilter(&hook);
    }

    void menuShortcutsWinOverTheSearchField_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("window");
        QTest::newRow("Strg+A") << QKeySequence(Qt::CTRL | Qt::Key_A) << QStringLiteral("TAssiDialog");
        QTest::newRow("Strg+E") << QKeySequence(Qt::CTRL | Qt::Key_E) << QStringLiteral("TEinkaufDialog");
    }
    void menuShortcutsWinOverTheSearchField() {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, window);
        TempDataFolder dir;
        QVERIFY(StartupFixture::make(dir.path()));
        ProgramWindows shell(ProgramWindows::withoutIni(dir.path()));
        QVERIFY(showActive(shell));
        shell.main.HauptEdit->setFocus();
        // Both commands open a modal assistant; it is closed again as soon as it shows.
        QStringList shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&shown] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                shown << QString::fromLatin1(dialog->metaObject()->className());
                dialog->reject();
            }
        });
        closer.start(10);
        QTest::keyClick(shell.main.windowHandle(), keys[0].key(), keys[0].keyboardModifiers());
        QCOMPARE(shown, QStringList{window});
        shell.main.close();
    }

    void menusAndDialogsUseTheProgramsFace() {
        TempDataFolder dir;
        QVERIFY(StartupFixture::make(dir.path()));
        ProgramWindows shell(ProgramWindows::withoutIni(dir.path()));
        QVERIFY(shell.main.create());
        const QFont face = ProgramFonts::uiFont();
        QCOMPARE(shell.main.menuBar()->font(), face);
        const QMenu* first = shell.main.menuBar()->actions().first()->menu();
        QCOMPARE(first->font(), face);
        QCOMPARE(first->font().pointSize(), 8);
        shell.main.close();
    }

    void altThenDownOpensTheMenu() {
        TempDataFolder dir;
        QVERIFY(StartupFixture::make(dir.path()));
        ProgramWindows shell(ProgramWindows::withoutIni(dir.path()));
        QVERIFY(showActive(shell));
        shell.main.HauptEdit->setFocus();
        const int row = shell.main.HauptListBox->currentRow();
        QTest::keyClick(shell.main.windowHandle(), Qt::Key_Alt);
        QTest::keyClick(shell.main.windowHandle(), Qt::Key_Down);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QCOMPARE(shell.main.HauptListBox->currentRow(), row);
        QApplication::activePopupWidget()->close();
        shell.main.close();
    }

    void helpOpensThePageOfAContext() {
        HelpWindow help;
        help.showContents();
        QCOMPARE(help.currentPage(), QStringLiteral(":/help/index.html"));
        help.showContext(424242); // no page: the contents
        QCOMPARE(help.currentPage(), QStringLiteral(":/help/index.html"));
        QVERIFY(QFile::exists(QStringLiteral(":/help/hauptfenster.html")));
        TempDataFolder dir;
        QVERIFY(StartupFixture::make(dir.path()));
        Shell shell(dir.path());
        QVERIFY(shell.main.create());
        shell.main.menu->action(QStringLiteral("Index"))->trigger();
        QVERIFY(shell.help.isVisible());
        shell.main.close();
        QVERIFY(!shell.help.isVisible());
    }

    void secondStartBringsTheFirstToTheFront() {
        const QString key = QStringLiteral("velta98-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance first(key);
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::activationRequested);
        SingleInstance second(key);
        QVERIFY(!second.claim());
        QTRY_COMPARE(raised.size(), 1);
    }

    void toolbarSpacing() {
        ToolbarPanel bar;
        bar.resize(700, ToolbarPanel::kHeight);
        bar.layoutButtons();
        QCOMPARE(bar.button(true, 2)->x(), 65);
        QCOMPARE(bar.button(false, 10)->x(), 5 + 9 * 60);
        bar.resize(701, ToolbarPanel::kHeight);
        bar.layoutButtons();
        QCOMPARE(bar.button(true, 2)->x(), 70);
        QCOMPARE(bar.button(true, 1)->y(), 4);
        QCOMPARE(bar.button(true, 4)->toolTip(), QStringLiteral("Suchkriterien wieder aufheben"));
        bar.useHiColor(false);
        QVERIFY(bar.button(true, 1)->isHidden() && !bar.button(false, 1)->isHidden());
    }
};

VELTA_TEST_MAIN_GUI(TestMainWindow)
#include "tst_mainwindow.moc"
