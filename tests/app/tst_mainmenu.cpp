#include "VeltaGuiTest.h"
#include "app/MainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

QMenu* menuHolding(QMainWindow& w, QAction* item) {
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>())
        if (menu->actions().contains(item))
            return menu;
    return nullptr;
}

} // namespace

// F1 in the menus: on a highlighted item it asks for that item's help, elsewhere for the contents.
class TestMainMenu : public QObject {
    Q_OBJECT

private slots:
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
        QMainWindow w;
        MainMenu menu(&w);
        w.show();
        QSignalSpy help(&menu, &MainMenu::helpRequested);
        QSignalSpy triggered(&menu, &MainMenu::triggered);
        QAction* item = menu.action(command);
        QMenu* popup = menuHolding(w, item);
        QVERIFY(popup);
        popup->popup(QPoint(20, 20));
        QTRY_VERIFY(popup->isVisible());
        popup->setActiveAction(item);
        QTest::keyClick(popup, Qt::Key_F1);
        QCOMPARE(help.size(), 1);
        QCOMPARE(help.first().first().toInt(), context);
        QVERIFY(triggered.isEmpty()); // neither the item nor "&Index" ran
        QTRY_VERIFY(!popup->isVisible());
    }

    void f1WithNothingHighlightedOrNoMenuOpen() {
        QMainWindow w;
        MainMenu menu(&w);
        w.show();
        QSignalSpy help(&menu, &MainMenu::helpRequested);
        QSignalSpy triggered(&menu, &MainMenu::triggered);
        QMenu* popup = menuHolding(w, menu.action(u"Optionen"_s));
        popup->popup(QPoint(20, 20));
        QTRY_VERIFY(popup->isVisible());
        popup->setActiveAction(nullptr);
        QTest::keyClick(popup, Qt::Key_F1);
        QCOMPARE(help.size(), 1);
        QCOMPARE(help.first().first().toInt(), 0);
        // With no menu open F1 is "&Index".
        QApplication::setActiveWindow(&w);
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(triggered.size(), 1);
        QCOMPARE(triggered.first().first().toString(), u"Index"_s);
    }
};

VELTA_TEST_MAIN_GUI(TestMainMenu)
#include "tst_mainmenu.moc"
