#include "TestTables.h"
#include "VeltaTest.h"
#include "browser/RecipeBrowser.h"
#include "browser/RecipeList.h"
#include "browser/RecipeMarks.h"
#include "browser/ShownRecipe.h"
#include "common/HomeBarTable.h"
#include "common/ListCollation.h"
#include "common/TypeAhead.h"
#include "store/RawFile.h"
#include "store/StoreError.h"

#include <utility>

using namespace Qt::StringLiterals;
using Entries = QList<ListEntry>;
Q_DECLARE_METATYPE(Entries)

namespace {

Entries named(const QStringList& names) {
    Entries out;
    for (int i = 0; i < int(names.size()); ++i)
        out.append({names.at(i), i + 1});
    return out;
}

QStringList texts(const Entries& entries) {
    QStringList out;
    for (const ListEntry& e : entries)
        out.append(e.text);
    return out;
}

} // namespace

class TestRecipeList : public QObject {
    Q_OBJECT

private slots:
    // Collation: the first text sorts before the second.
    void collationOrder_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("ä with a, before b") << u"Äpfel"_s << u"Birne"_s;
        QTest::newRow("ä with a, before longer a-word") << u"Äpfel"_s << u"Apfelkorn"_s;
        QTest::newRow("plain before umlaut") << u"Apfel"_s << u"Äpfel"_s;
        QTest::newRow("ö with o") << u"Öl"_s << u"Orange"_s;
        QTest::newRow("ü with u") << u"Müller"_s << u"Mumm"_s;
        QTest::newRow("ß as ss") << u"Strasse"_s << u"Straße"_s;
        QTest::newRow("ß before longer ss-word") << u"Straße"_s << u"Strassen"_s;
        QTest::newRow("case ignored first") << u"apfel"_s << u"Birne"_s;
        QTest::newRow("lower before upper") << u"caipirinha"_s << u"Caipirinha"_s;
        QTest::newRow("blank before letter") << u"Sex on the Beach"_s << u"Sexy"_s;
        QTest::newRow("digits before letters") << u"7 Up Cooler"_s << u"Alabama"_s;
        QTest::newRow("signs before letters") << u"(keine Zuordnung)"_s << u"Aperitif"_s;
        QTest::newRow("hyphen skipped") << u"B-52"_s << u"Bahama"_s;
        QTest::newRow("hyphen decides last") << u"B-52"_s << u"B52"_s;
        QTest::newRow("prefix first") << u"Gin"_s << u"Gin Fizz"_s;
    }
    void collationOrder() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QVERIFY(ListCollation::lessThan(first, second));
        QVERIFY(!ListCollation::lessThan(second, first));
    }

    void sortIsStableAndInsertKeepsOrder() {
        Entries e = {{u"Zombie"_s, 1}, {u"Mojito"_s, 2}, {u"Äquator"_s, 3}, {u"Mojito"_s, 4}};
        ListCollation::sort(e);
        QCOMPARE(e, (Entries{{u"Äquator"_s, 3}, {u"Mojito"_s, 2}, {u"Mojito"_s, 4}, {u"Zombie"_s, 1}}));
        QCOMPARE(ListCollation::insertSorted(e, {u"Mojito"_s, 5}), 3); // behind the equal ones
        QCOMPARE(ListCollation::insertSorted(e, {u"Alexander"_s, 6}), 0);
    }

    void quickSearch_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("selected");
        const QStringList bb = {u"Bahama Mama"_s, u"Bellini"_s, u"Cuba Libre"_s, u"Daiquiri"_s};
        QTest::newRow("two b-entries: the second") << bb << u"b"_s << 1;
        QTest::newRow("only the first: wraps around") << bb << u"ba"_s << 0;
        QTest::newRow("case ignored") << bb << u"BEL"_s << 1;
        QTest::newRow("later entry") << bb << u"d"_s << 3;
        QTest::newRow("no match") << bb << u"x"_s << -1;
        QTest::newRow("empty prefix: every text begins with it") << bb << QString() << 1;
        QTest::newRow("one entry") << QStringList{u"Mojito"_s} << u"m"_s << 0;
        QTest::newRow("empty list") << QStringList() << u"m"_s << -1;
        QTest::newRow("umlaut case") << QStringList{u"Gin"_s, u"Äppelwoi"_s} << u"ä"_s << 1;
    }
    void quickSearch() {
        QFETCH(QStringList, names);
        QFETCH(QString, typed);
        QFETCH(int, selected);
        QCOMPARE(TypeAhead::find(named(names), typed, 0), selected);
    }

    void countLabel_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << u"0 Rezepte"_s;
        QTest::newRow("one") << 1 << u"1 Rezept"_s;
        QTest::newRow("two") << 2 << u"2 Rezepte"_s;
        QTest::newRow("all") << 5000 << u"5000 Rezepte"_s;
    }
    void countLabel() {
        QFETCH(int, count);
        QFETCH(QString, text);
        QCOMPARE(RecipeList::CountLabelText(count), text);
    }

    void fillReadsVisibleRecipesSorted() {
        RecipeList list;
        {
            TestTables t;
            t.env().SetDeleted(false);
            t.addRecipe({.name = u"Zombie"_s, .kat = 2});
            t.addRecipe({.name = u"Äpfel-Flip"_s});
            const int gone = t.addRecipe({.name = u"Gelöscht"_s});
            t.addRecipe({.name = u"mojito"_s, .kat = 2});
            t.addRecipe({.name = u"Bellini"_s});
            TestTables::deleteRecord(t.re(), gone);
            list.fill(t.re());
            QVERIFY(t.env().deletedHidden());
            QVERIFY(!t.re().turboRead());
            QCOMPARE(list.entries(),
                     (Entries{{u"Äpfel-Flip"_s, 2}, {u"Bellini"_s, 5}, {u"mojito"_s, 4}, {u"Zombie"_s, 1}}));
            QVERIFY(!list.enablesCancelSearch(4));
            t.re().Query(u"KAT = 2"_s);
            list.fill(t.re());
            QCOMPARE(texts(list.entries()), (QStringList{u"mojito"_s, u"Zombie"_s}));
            QVERIFY(list.enablesCancelSearch(4));
            // The order of the names is kept between fills: a rename and a new recipe must reach it,
            // even while the rename is still pending when the list is filled.
            t.re().Query(QString());
            t.addRecipe({.name = u"Caipirinha"_s});
            t.re().Go(1);
            t.re().ReplaceText(u"NAME"_s, u"Aperol Spritz"_s);
            list.fill(t.re());
            QCOMPARE(texts(list.entries()), (QStringList{u"Aperol Spritz"_s, u"Äpfel-Flip"_s, u"Bellini"_s,
                                                         u"Caipirinha"_s, u"mojito"_s}));
        }
        // Another table in the same list: nothing of the first one's order remains.
        TestTables other;
        other.addRecipe({.name = u"Zombie"_s});
        list.fill(other.re());
        QCOMPARE(list.entries(), (Entries{{u"Zombie"_s, 1}}));
    }

    void fillWithHomeBarTest_data() {
        QTest::addColumn<int>("purchases");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("no purchase") << 0 << QStringList{u"Im Bar"_s};
        QTest::newRow("one purchase") << 1 << QStringList{u"Eine fehlt"_s, u"Im Bar"_s};
    }
    void fillWithHomeBarTest() {
        QFETCH(int, purchases);
        QFETCH(QStringList, listed);
        TestTables t;
        t.addRecipe({.name = u"Im Bar"_s, .lines = {{1, 4}, {2, 2}}});
        t.addRecipe({.name = u"Eine fehlt"_s, .lines = {{1, 4}, {3, 2}}});
        t.addRecipe({.name = u"Zwei fehlen"_s, .lines = {{4, 4}, {3, 2}}});
        HomeBarTable bars;
        bars.set(1, 1, true);
        bars.set(1, 2, true);
        RecipeList list;
        list.fill(t.re(), [test = bars.test(1, purchases)](const QList<int>& numbers) {
            return test.keeps(numbers);
        });
        QCOMPARE(texts(list.entries()), listed);
    }

    void recipeSavedMovesRenamedEntry() {
        RecipeList list;
        TestTables t;
        for (const QString& name : {u"Apfel"_s, u"Birne"_s, u"Cola"_s})
            t.addRecipe({.name = name});
        list.fill(t.re());
        QCOMPARE(list.RecipeSaved(false, 0, u"Daiquiri  "_s, 1), 2);
        QCOMPARE(list.entries(), (Entries{{u"Birne"_s, 2}, {u"Cola"_s, 3}, {u"Daiquiri"_s, 1}}));
        QCOMPARE(list.RecipeSaved(true, 2, u"Bellini"_s, 4), 0);
        QCOMPARE(list.ListedCount(), 4);
        QCOMPARE(list.entries().at(0), (ListEntry{u"Bellini"_s, 4}));
    }

    void recipeSavedInOtherLists_data() {
        QTest::addColumn<Entries>("before");
        QTest::addColumn<bool>("isNew");
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<int>("recNo");
        QTest::addColumn<Entries>("after");
        QTest::addColumn<int>("selected");
        const Entries twins = {{u"Mojito"_s, 5}, {u"Mojito"_s, 7}, {u"Zombie"_s, 1}};
        QTest::newRow("twin names: the one with the record number")
            << twins << false << u"Mojito"_s << 7
            << Entries{{u"Mojito"_s, 5}, {u"Neu"_s, 7}, {u"Zombie"_s, 1}} << 1;
        QTest::newRow("old name found without regard to case")
            << twins << false << u"ZOMBIE"_s << 9
            << Entries{{u"Mojito"_s, 5}, {u"Mojito"_s, 7}, {u"Neu"_s, 9}} << 2;
        QTest::newRow("old name absent: only added")
            << Entries{{u"Rum***"_s, 20001}} << false << u"Fehlt"_s << 3
            << Entries{{u"Neu"_s, 3}, {u"Rum***"_s, 20001}} << 0;
        QTest::newRow("new recipe keeps the others")
            << twins << true << QString() << 8 << Entries{twins[0], twins[1], {u"Neu"_s, 8}, twins[2]} << 2;
    }
    void recipeSavedInOtherLists() {
        QFETCH(Entries, before);
        QFETCH(bool, isNew);
        QFETCH(QString, oldName);
        QFETCH(int, recNo);
        QFETCH(Entries, after);
        QFETCH(int, selected);
        QCOMPARE(RecipeList::RecipeSavedIn(before, isNew, oldName, u"Neu"_s, recNo), selected);
        QCOMPARE(before, after);
    }

    // Each step: the entry selected, then whether ShowSelected loads.
    void showSelectedDecision() {
        const QString longName = u"Ein sehr langer Name für einen Drink"_s; // 36 characters
        ShownRecipe shown;
        QVERIFY(shown.ShowSelected({u"Mojito"_s, 3}));
        QCOMPARE(shown.CurrentRecNo(), 3);
        QVERIFY(!shown.ShowSelected({u"Mojito"_s, 3}));
        QVERIFY(shown.ShowSelected({u"Zombie"_s, 4}));
        QVERIFY(shown.ShowSelected({longName, 5}));
        QCOMPARE(shown.ShownName(), longName.left(30));
        QVERIFY(!shown.ShowSelected({longName.left(30) + u"xyz"_s, 5}));
        // Mended: same first 30 characters, another recipe.
        QVERIFY(shown.ShowSelected({longName.left(30) + u"xyz"_s, 6}));
        QCOMPARE(shown.CurrentRecNo(), 6);
        shown.forget();
        QVERIFY(shown.ShowSelected({longName.left(30) + u"xyz"_s, 6}));
        ShownRecipe unnamed;
        QVERIFY(unnamed.ShowSelected({QString(), 2})); // an empty name still loads first time
    }

    void marksOnTheTable() {
        QVERIFY(!RecipeMarks::markAllAsks(1)); // one listed recipe: no question
        QVERIFY(RecipeMarks::markAllAsks(0));
        TestTables t;
        for (int i = 1; i <= 4; ++i)
            t.addRecipe({.name = QString::number(i), .kat = i <= 2 ? 1 : 2, .mark = i == 4 ? 1 : 0});
        QVERIFY(RecipeMarks::ToggleMark(t.re(), 2, false));
        QCOMPARE(TestTables::fieldOfAll(t.re(), u"MARK"_s), (QList<int>{0, 1, 0, 1}));
        QVERIFY(!RecipeMarks::ToggleMark(t.re(), 2, true));
        // Both mass changes force the table to disk once, not once per recipe.
        int syncs = 0;
        RawFile::observe([&](const RawFile::Event& e) { syncs += e.kind == RawFile::Event::Kind::Sync; });
        RecipeMarks::MarkAllListed(t.re(), {1, 3});
        QCOMPARE(std::exchange(syncs, 0), 1);
        QCOMPARE(TestTables::fieldOfAll(t.re(), u"MARK"_s), (QList<int>{1, 0, 1, 1}));
        // Clearing reaches recipes outside the list and outside a filter, which stays applied.
        t.re().Query(u"KAT = 1"_s);
        RecipeMarks::ClearAllMarks(t.re());
        RawFile::observe({});
        QCOMPARE(syncs, 1);
        QCOMPARE(t.re().filterText(), u"KAT = 1"_s);
        QVERIFY(!t.re().turboRead());
        t.re().Query(QString());
        QCOMPARE(TestTables::fieldOfAll(t.re(), u"MARK"_s), (QList<int>{0, 0, 0, 0}));
    }

    void browserLoadsAndReloadsAfterSave() {
        TestTables t;
        const QStringList categories = {u"Longdrinks"_s}, tastes; // the browser keeps references
        t.addRecipe({.name = u"Mojito"_s, .mark = 1});
        t.addRecipe({.name = u"Zombie"_s});
        RecipeBrowser browser({t.re(), t.zu(), t.de()}, categories, tastes);
        browser.list().fill(t.re());
        QVERIFY(browser.ShowSelected(0));
        QCOMPARE(browser.display().name, u"Mojito"_s);
        QVERIFY(browser.shown().CurrentMarked());
        QVERIFY(!browser.ShowSelected(0));
        QVERIFY(!browser.ToggleMark());
        QVERIFY(browser.ShowSelected(1));
        t.re().Go(1);
        const int index = browser.RecipeSaved(false, 0, u"Mojito"_s);
        QCOMPARE(index, 0);
        QVERIFY(browser.ShowSelected(index)); // same name, reloaded after the save
        QVERIFY(!browser.shown().CurrentMarked());
    }

    // A recipe whose memo cannot be read must not become the current one: the view, the mark
    // commands and the next selection stay with the recipe shown, and choosing it again retries.
    void aRecipeThatCannotBeReadLeavesTheShownOne() {
        TestTables t;
        t.addRecipe({.name = u"Mojito"_s, .mark = 1});
        t.addRecipe({.name = u"Zombie"_s, .instructions = u"Alles kräftig schütteln."_s});
        const QStringList categories = {u"Longdrinks"_s}, tastes;
        RecipeBrowser browser({t.re(), t.zu(), t.de()}, categories, tastes);
        browser.list().fill(t.re());
        QVERIFY(browser.ShowSelected(0));
        QVERIFY(QFile::resize(t.filePath(u"RE.SMT"_s), 512)); // the memo block is gone
        for (int attempt = 0; attempt < 2; ++attempt) {
            QVERIFY_THROWS_EXCEPTION(StoreError, browser.ShowSelected(1));
            QCOMPARE(browser.display().name, u"Mojito"_s);
            QCOMPARE(browser.shown().CurrentRecNo(), 1);
            QVERIFY(browser.shown().CurrentMarked());
        }
    }
};

VELTA_TEST_MAIN_CORE(TestRecipeList)
#include "tst_recipelist.moc"
