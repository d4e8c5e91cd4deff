#include "StartupFixture.h"
#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "app/MainMenu.h"
#include "app/ProgramWindows.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Every dialog but the help window shown while alive is counted and closed again, so that an item
// run by mistake shows up as a count instead of a hang.
class DialogCatcher : public QObject {
public:
    explicit DialogCatcher(QWidget* help) : m_help(help) { qApp->installEventFilter(this); }
    ~DialogCatcher() override { qApp->removeEventFilter(this); }
    DialogCatcher(const DialogCatcher&) = delete;
    DialogCatcher& operator=(const DialogCatcher&) = delete;
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog != m_help) {
            ++shown;
            QTimer::singleShot(0, dialog, &QDialog::reject);
        }
        return false;
    }

private:
    QWidget* m_help;
};

} // namespace

// F1 in the program's menus: on a highlighted item it opens that item's help page without running
// the item, elsewhere the contents.
class TestMainMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    std::unique_ptr<ProgramWindows> m_w;

    QMenu* menuHolding(QAction* item) {
        for (QMenu* menu : m_w->main.menuBar()->findChildren<QMenu*>())
            if (menu->actions().contains(item))
                return menu;
        return nullptr;
    }

private slots:
    void init() {
        m_dir = std::make_unique<TempDataFolder>();
        m_w = StartupFixture::showProgram(m_dir->path(), true);
        QVERIFY(m_w);
        QVERIFY(QTest::qWaitForWindowExposed(&m_w->main));
    }
    void cleanup() { StartupFixture::closeProgram(m_w); }

    void f1OnAHighlightedItem_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("context");
        QTest::newRow("Optionen") << u"Optionen"_s << 2600;
        QTest::newRow("Hausbar") << u"Hausbar"_s << 2420;
        QTest::newRow("Suchkriterien definieren") << u"SucheAn"_s << 2310;
        QTest::newRow("Barlexikon") << u"Lexikon"_s << 2510;
        QTest::newRow("an item without help") << u"Beenden"_s << 0;
        QTest::newRow("a submenu's item") << u"Sichern"_s << 0;
    }
    void f1OnAHighlightedItem() {
        QFETCH(QString, command);
        QFETCH(int, context);
        DialogCatcher dialogs(&m_w->help);
        QAction* item = m_w->main.menu->action(command);
        QMenu* popup = menuHolding(item);
        QVERIFY(popup);
        popup->popup(QPoint(20, 20));
        QTRY_VERIFY(popup->isVisible());
        popup->setActiveAction(item);
        QTest::keyClick(popup, Qt::Key_F1);
        QTRY_VERIFY(m_w->help.isVisible());
        QCOMPARE(m_w->help.currentPage(), context ? HelpWindow::pageFor(context) : u":/help/index.html"_s);
        QTRY_VERIFY(!popup->isVisible());
        QCOMPARE(dialogs.shown, 0); // the item did not run
        QVERIFY(m_w->main.isVisible());
    }

    // With no item highlighted, and with no menu open ("&Index"), F1 shows the contents.
    void f1WithNothingHighlightedOrNoMenuOpen() {
        const QString contents = u":/help/index.html"_s;
        QMenu* popup = menuHolding(m_w->main.menu->action(u"Optionen"_s));
        popup->popup(QPoint(20, 20));
        QTRY_VERIFY(popup->isVisible());
        popup->setActiveAction(nullptr);
        QTest::keyClick(popup, Qt::Key_F1);
        QTRY_VERIFY(m_w->help.isVisible());
        QCOMPARE(m_w->help.currentPage(), contents);
        QTRY_VERIFY(!popup->isVisible());

        m_w->help.showContext(2600);
        m_w->help.hide();
        m_w->main.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &m_w->main);
        QTest::keyClick(&m_w->main, Qt::Key_F1);
        QTRY_VERIFY(m_w->help.isVisible());
        QCOMPARE(m_w->help.currentPage(), contents);
    }
};

VELTA_TEST_MAIN_GUI(TestMainMenu)
#include "tst_mainmenu.moc"
