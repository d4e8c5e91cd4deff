#include "VeltaTest.h"
#include "common/AppState.h"
#include "common/DataTables.h"
#include "print/PreviewGeometry.h"
#include "print/PrintSession.h"

using namespace Qt::StringLiterals;

namespace {

QList<ListEntry> listed() {
    return {{u"Zombie"_s, 5}, {u"after eight"_s, 9}, {u"Mai Tai"_s, 2}, {u"Äppelwoi"_s, 7}};
}

QStringList names(const QList<ListEntry>& entries) {
    QStringList out;
    for (const ListEntry& e : entries)
        out << e.text;
    return out;
}

} // namespace

class TestPrintSession : public QObject {
    Q_OBJECT

    AppState m_state;
    DataTables m_tables;

private slots:
    void defaults() {
        const PrintSession s(m_state, m_tables);
        const PrintSettings& d = s.settings;
        QCOMPARE(d.layout, PrintSettings::Layout::RecipeCard);
        QCOMPARE(d.header, u"Velta Cocktails 98"_s);
        QCOMPARE(d.separator, PrintSettings::Separator::None);
        QCOMPARE(d.alignment, PrintSettings::Alignment::Centred);
        QCOMPARE(d.ingredients, PrintSettings::Ingredients::FirstFive);
        QVERIFY(!d.remarks && d.numbered && d.fullWidth && d.instructions && d.picture && d.info);
        QCOMPARE(d.paper, PrintSettings::Paper::A4);
        QCOMPARE(d.orientation, PrintSettings::Orientation::Portrait);
        QCOMPARE(s.fonts.at(PrintFonts::kHeading).name, u"TIMES NEW ROMAN"_s);
        QCOMPARE(s.fonts.at(PrintFonts::kHeading).size, 24);
        QCOMPARE(s.fonts.at(PrintFonts::kText).name, u"ARIAL"_s);
        QCOMPARE(s.fonts.at(PrintFonts::kText).size, 16);
    }

    void fontNamesAreCut() {
        PrintSession s(m_state, m_tables);
        s.fonts.set(PrintFonts::kText, QString(40, u'x'), 11);
        QCOMPARE(s.fonts.at(PrintFonts::kText).name, QString(31, u'x'));
        QCOMPARE(s.fonts.at(PrintFonts::kText).size, 11);
    }

    void singleDrinkIsARecipeCardOnTheSecondPage() {
        PrintSession s(m_state, m_tables);
        s.settings.layout = PrintSettings::Layout::DrinkList;
        s.startSingleDrink({u"Mai Tai"_s, 2});
        QCOMPARE(s.settings.layout, PrintSettings::Layout::RecipeCard);
        QCOMPARE(s.page(), int(PrintSession::LayoutPage));
        QCOMPARE(s.chosenRecNos(), QList<int>{2});
        QVERIFY(!s.choicePageEnabled());
        QVERIFY(!s.setPage(PrintSession::ChoicePage));
        QCOMPARE(s.okCaption(), u"&Drucken"_s);
        QVERIFY(s.outputButtonsVisible());
    }

    void severalDrinksStartOnTheChoicePage() {
        PrintSession s(m_state, m_tables);
        s.settings.layout = PrintSettings::Layout::DrinkList;
        s.startSingleDrink({u"Mai Tai"_s, 2});
        s.settings.layout = PrintSettings::Layout::DrinkList;
        s.startSeveralDrinks(listed());
        QCOMPARE(s.settings.layout, PrintSettings::Layout::DrinkList); // kept
        QCOMPARE(names(s.candidates()), strings({"after eight", "Äppelwoi", "Mai Tai", "Zombie"}));
        QVERIFY(s.chosen().isEmpty());
        QCOMPARE(s.page(), int(PrintSession::ChoicePage));
        QCOMPARE(s.okCaption(), u"&Weiter"_s);
        QVERIFY(!s.outputButtonsVisible());
        // Refused without a chosen drink: one line for a page tab, two for "&Weiter".
        const Result tab = s.setPage(PrintSession::LayoutPage);
        QVERIFY(!tab);
        QCOMPARE(tab.notice(), Notice::hint(u"Sie haben noch keine Getränke ausgewählt."_s, 1));
        QCOMPARE(s.setPage(PrintSession::LayoutPage, 2).notice().lines, 2);
        QCOMPARE(s.page(), int(PrintSession::ChoicePage));
        s.add({2});
        QVERIFY(s.setPage(PrintSession::LayoutPage));
        QCOMPARE(s.okCaption(), u"&Drucken"_s);
        QVERIFY(s.setPage(PrintSession::ChoicePage));
    }

    void addKeepsOrderAndRepeats() {
        PrintSession s(m_state, m_tables);
        s.startSeveralDrinks(listed());
        s.add({3, 0});
        s.add({0});
        s.add({7, -1});
        QCOMPARE(names(s.chosen()), strings({"after eight", "Zombie", "after eight"}));
        QCOMPARE(s.chosenRecNos(), (QList<int>{9, 5, 9}));
    }

    void remove_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("next");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("middle selects the one before") << 1 << 0 << strings({"after eight", "Mai Tai"});
        QTest::newRow("first selects the new first") << 0 << 0 << strings({"Äppelwoi", "Mai Tai"});
        QTest::newRow("last") << 2 << 1 << strings({"after eight", "Äppelwoi"});
        QTest::newRow("nothing selected") << -1 << 0 << strings({"after eight", "Äppelwoi", "Mai Tai"});
    }
    void remove() {
        QFETCH(int, row);
        QFETCH(int, next);
        QFETCH(QStringList, left);
        PrintSession s(m_state, m_tables);
        s.startSeveralDrinks(listed());
        s.add({0, 1, 2});
        QCOMPARE(s.remove(row), next);
        QCOMPARE(names(s.chosen()), left);
    }

    void removingTheLastLeavesNothingSelected() {
        PrintSession s(m_state, m_tables);
        s.startSeveralDrinks(listed());
        s.add({1});
        QCOMPARE(s.remove(0), -1);
        QVERIFY(s.chosen().isEmpty());
    }

    void presets() {
        PrintSession s(m_state, m_tables);
        s.startSeveralDrinks(listed());
        s.add({1});
        s.chooseAll();
        QCOMPARE(names(s.chosen()), names(s.candidates()));
        s.clearChosen();
        QVERIFY(s.chosen().isEmpty());
        // The next showing in several-drinks mode starts empty again.
        s.add({0});
        s.startSeveralDrinks(listed());
        QVERIFY(s.chosen().isEmpty());
    }

    void outputIsRefusedWhileReadOnly() {
        PrintSession s(m_state, m_tables);
        m_state.run.readOnly = true;
        QCOMPARE(s.mayOutput().notice(), Notice::readOnly());
        m_state.run.readOnly = false;
        QVERIFY(s.mayOutput());
    }

    void photosUnavailableGiveTheDefault() {
        PrintSession s(m_state, m_tables);
        m_state.folders.picturesFolder = u"/cd/BILDER/"_s;
        m_state.folders.ownPhotosFolder = u"/p/EIGENE/"_s;
        m_state.folders.dataFolder = u"/p/DATEN/"_s;
        QCOMPARE(s.photoFolders().pictures, u"/cd/BILDER/"_s);
        m_state.run.photosUnavailable = true;
        QVERIFY(s.photoFolders().pictures.isEmpty() && s.photoFolders().ownPhotos.isEmpty());
        QCOMPARE(s.photoFolders().data, u"/p/DATEN/"_s);
        m_state.run.photosUnavailable = false;
    }

    void previewWindowFollowsTheMainWindow_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("preview");
        QTest::newRow("small main window is widened first")
            << QRect(100, 50, 500, 350) << QRect(150, 110, 538, 280);
        QTest::newRow("ordinary") << QRect(0, 0, 800, 600) << QRect(50, 60, 700, 480);
        QTest::newRow("large moves up and left") << QRect(200, 100, 1000, 800) << QRect(150, 120, 900, 680);
        QTest::newRow("wide but low stays") << QRect(200, 100, 1000, 600) << QRect(250, 160, 900, 480);
    }
    void previewWindowFollowsTheMainWindow() {
        QFETCH(QRect, main);
        QFETCH(QRect, preview);
        QCOMPARE(PreviewGeometry::window(main), preview);
        QCOMPARE(PreviewGeometry::pageLabel(2, 7), u"Seite 2 von 7"_s);
        const QSize client = preview.size();
        QCOMPARE(PreviewGeometry::panel(client), QRect(23, 33, client.width() - 70, client.height() - 85));
        QCOMPARE(PreviewGeometry::cancelLeft(client, 75) + 75, 23 + client.width() - 70);
        QCOMPARE(PreviewGeometry::printLeft(client, 75), PreviewGeometry::cancelLeft(client, 75) - 87);
    }

    void layoutDecidesWhichControlsAreEnabled() {
        PrintSession s(m_state, m_tables);
        QVERIFY(s.cardControlsEnabled() && !s.listControlsEnabled());
        s.settings.layout = PrintSettings::Layout::DrinkList;
        QVERIFY(!s.cardControlsEnabled() && s.listControlsEnabled());
    }
};

VELTA_TEST_MAIN_CORE(TestPrintSession)
#include "tst_printsession.moc"
