#include "IngredientNumbers.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "assistants/HomeBarEditing.h"
#include "assistants/HomeBarPresets.h"
#include "assistants/HomeBarStore.h"
#include "common/HomeBarTable.h"
#include "common/ListCollation.h"

using namespace Qt::StringLiterals;
using Entries = QList<ListEntry>;
Q_DECLARE_METATYPE(Entries)

namespace {

QList<int> keys(const Entries& entries) {
    QList<int> out;
    for (const ListEntry& e : entries)
        out.append(e.data);
    return out;
}

bool isSorted(const Entries& entries) {
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (ListCollation::lessThan(entries.at(i).text, entries.at(i - 1).text))
            return false;
    }
    return true;
}

} // namespace

class TestHomeBar : public QObject {
    Q_OBJECT

private slots:
    void mixable_data() {
        QTest::addColumn<QString>("z");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("purchases");
        QTest::addColumn<bool>("kept");
        // Bar 1 holds 1..20 and 1500, bar 2 holds 7.
        const QList<int> twenty = numberRange(1, 20);
        QTest::newRow("20 in bar, purchases 0") << packedZ(twenty) << 1 << 0 << true;
        QTest::newRow("20, one missing, purchases 0") << packedZ(numberRange(1, 19) << 99) << 1 << 0 << false;
        QTest::newRow("20, one missing, purchases 1") << packedZ(numberRange(1, 19) << 99) << 1 << 1 << true;
        QTest::newRow("21st slot never read") << packedZ(twenty + QList<int>{99}) << 1 << 0 << true;
        QTest::newRow("one outside, purchases 0") << packedZ({1, 99}) << 1 << 0 << false;
        QTest::newRow("one outside, purchases 1") << packedZ({1, 99}) << 1 << 1 << true;
        QTest::newRow("two outside, purchases 1") << packedZ({98, 99}) << 1 << 1 << false;
        QTest::newRow("zero ends the list") << packedZ({1, 0, 99}) << 1 << 0 << true;
        QTest::newRow("no ingredients") << QString() << 1 << 0 << true;
        QTest::newRow("number 1500 is in range") << packedZ({1500}) << 1 << 0 << true;
        QTest::newRow("number above 1500 is in no bar") << packedZ({1, 1501}) << 1 << 0 << false;
        QTest::newRow("9999 with purchase") << packedZ({1, 9999}) << 1 << 1 << true;
        QTest::newRow("negative number is in no bar") << u"  -12"_s << 1 << 0 << false;
        QTest::newRow("other bar") << packedZ({7}) << 2 << 0 << true;
        QTest::newRow("not in other bar") << packedZ({1}) << 2 << 0 << false;
        QTest::newRow("bar 0 holds nothing") << packedZ({1}) << 0 << 0 << false;
        QTest::newRow("bar 4 holds nothing") << packedZ({1}) << 4 << 0 << false;
    }
    void mixable() {
        QFETCH(QString, z);
        QFETCH(int, bar);
        QFETCH(int, purchases);
        QFETCH(bool, kept);
        HomeBarTable table;
        for (int n : numberRange(1, 20) + QList<int>{1500})
            table.set(1, n, true);
        table.set(2, 7, true);
        table.set(1, 1501, true); // ignored, never stored
        table.set(4, 1, true);    // ignored
        QCOMPARE(table.Mixable(z, bar, purchases), kept);
        QCOMPARE(table.count(1), 21);
    }

    void fillFromIngredientTable() {
        TestTables t;
        t.addIngredient({.number = 3, .name = u"Rum"_s, .h1 = true, .h3 = true});
        t.addIngredient({.number = 1600, .name = u"Zu groß"_s, .h1 = true});
        const int gone = t.addIngredient({.number = 4, .name = u"Weg"_s, .h2 = true});
        t.addIngredient({.number = 5, .name = u"Gin"_s, .h2 = true});
        TestTables::deleteRecord(t.zu(), gone);
        HomeBarTable table;
        table.set(1, 9, true); // refilling forgets what was there
        table.fill(t.zu());
        QVERIFY(!t.zu().turboRead());
        QCOMPARE((QList<int>{table.count(1), table.count(2), table.count(3)}), (QList<int>{1, 1, 1}));
        QVERIFY(table.contains(1, 3) && table.contains(3, 3) && table.contains(2, 5));
        QVERIFY(!table.contains(2, 4));
        QVERIFY(!table.contains(1, 1600));
    }

    void presetNumbers() {
        using P = HomeBarPresets::Preset;
        const QList<int> basis = HomeBarPresets::numbers(P::Basis);
        const QList<int> standard = HomeBarPresets::numbers(P::Standard);
        const QList<int> profi = HomeBarPresets::numbers(P::Profi);
        QCOMPARE(basis.size(), 28);
        QCOMPARE(standard.size(), 50);
        QCOMPARE(profi.size(), 75);
        QCOMPARE(standard.first(27), basis.first(27));
        QCOMPARE(profi.first(50), standard);
    }

    // Ingredients 1..40 without 5, plus 99: 40 records. 99 exists but lies beyond the record count.
    void presetEntries() {
        TestTables t;
        for (int n : numberRange(1, 40) + QList<int>{99}) {
            if (n != 5)
                t.addIngredient({.number = n, .name = u"Zutat %1"_s.arg(n)});
        }
        const Entries e = HomeBarPresets::entries(HomeBarPresets::Preset::Basis, t.zu());
        QList<int> got = keys(e);
        std::sort(got.begin(), got.end());
        QCOMPARE(got, (QList<int>{1, 2, 4, 6, 7, 8, 9, 10, 14, 15, 17, 19, 23, 25, 26, 34}));
        QVERIFY(isSorted(e));
        QCOMPARE(e.first(), (ListEntry{u"Zutat 1"_s, 1}));
    }

    void storeAndRebuild() {
        TestTables t;
        for (int n : numberRange(1, 6))
            t.addIngredient({.number = n, .name = u"Zutat %1"_s.arg(n), .h3 = n == 4});
        HomeBarTable table;
        table.fill(t.zu());
        HomeBarStore::BarLists lists;
        lists[0] = {{u"Zutat 2"_s, 2}, {u"Zutat 1"_s, 1}, {u"Verschwunden"_s, 77}};
        lists[1] = {{u"Zutat 3"_s, 3}, {u"Zutat 2"_s, 2}};
        HomeBarStore::store(lists, table, t.zu());
        QCOMPARE(TestTables::fieldOfAll(t.zu(), u"H1"_s), (QList<int>{1, 1, 0, 0, 0, 0}));
        QCOMPARE(TestTables::fieldOfAll(t.zu(), u"H2"_s), (QList<int>{0, 1, 1, 0, 0, 0}));
        QCOMPARE(TestTables::fieldOfAll(t.zu(), u"H3"_s), (QList<int>{0, 0, 0, 0, 0, 0}));
        QVERIFY(!table.contains(1, 77));
        HomeBarTable reread;
        reread.fill(t.zu());
        for (int bar = 1; bar <= 3; ++bar) {
            for (int n : numberRange(1, 6))
                QCOMPARE(reread.contains(bar, n), table.contains(bar, n));
        }
        // Cancelling restores the lists from the table: sorted, without what was not found.
        const HomeBarStore::BarLists rebuilt = HomeBarStore::rebuildLists(table, t.zu());
        QCOMPARE(rebuilt[0], (Entries{{u"Zutat 1"_s, 1}, {u"Zutat 2"_s, 2}}));
        QCOMPARE(rebuilt[1], (Entries{{u"Zutat 2"_s, 2}, {u"Zutat 3"_s, 3}}));
        QVERIFY(rebuilt[2].isEmpty());
    }

    void addKeepsOneEntryPerName() {
        Entries bar = {{u"Gin"_s, 2}, {u"Wodka"_s, 9}};
        bool changed = false;
        QCOMPARE(HomeBarEditing::add(bar, {u"Rum   "_s, 4}, &changed), 1);
        QVERIFY(changed);
        QCOMPARE(bar, (Entries{{u"Gin"_s, 2}, {u"Rum"_s, 4}, {u"Wodka"_s, 9}}));
        QCOMPARE(HomeBarEditing::add(bar, {u"WODKA "_s, 9}, &changed), 2);
        QVERIFY(!changed);
        QCOMPARE(bar.size(), 3);
    }

    void removeSelectsPrevious_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("selected");
        QTest::newRow("middle") << 3 << 1 << 0;
        QTest::newRow("last") << 3 << 2 << 1;
        QTest::newRow("first") << 3 << 0 << 0;
        QTest::newRow("only") << 1 << 0 << -1;
        QTest::newRow("no selection") << 3 << -1 << -1;
    }
    void removeSelectsPrevious() {
        QFETCH(int, count);
        QFETCH(int, removed);
        QFETCH(int, selected);
        Entries bar;
        for (int i = 0; i < count; ++i)
            bar.append({QString(QChar(u'A' + i)), i});
        QCOMPARE(HomeBarEditing::remove(bar, removed), selected);
        QCOMPARE(int(bar.size()), removed < 0 ? count : count - 1);
    }

    void typeAheadSearchesFromTheStart() {
        const Entries list = {{u"Bacardi"_s, 1}, {u"Baileys"_s, 2}, {u"Cointreau"_s, 3}};
        QCOMPARE(HomeBarEditing::typeAhead(list, u"ba"_s), 0);
        QCOMPARE(HomeBarEditing::typeAhead(list, u"BAI"_s), 1);
        QCOMPARE(HomeBarEditing::typeAhead(list, u"x"_s), -1);
    }
};

VELTA_TEST_MAIN_CORE(TestHomeBar)
#include "tst_homebar.moc"
