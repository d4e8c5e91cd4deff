#include "TempDataFolder.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"
#include "assistants/NearMissSession.h"
#include "common/AppState.h"
#include "common/Catalogue.h"
#include "common/HomeBarTable.h"
#include "store/TApollo.h"

#include <QRandomGenerator>

#include <algorithm>

using namespace Qt::StringLiterals;

// "Fast mixbar": the drinks a bar is one or two ingredients short of, against a direct count.
class TestNearMisses : public QObject {
    Q_OBJECT

private slots:
    // Random bars over random small tables: every drink with 1..N different ingredients not at hand is
    // found, with exactly those, nothing else; buying what a group lacks makes each of its drinks
    // mixable; the groups are in the order the window promises.
    void findsWhatACountFinds() {
        QRandomGenerator rng(1998);
        for (int round = 0; round < 60; ++round) {
            TestTables t;
            const int kinds = rng.bounded(2, 9);
            for (int n = 1; n <= kinds; ++n)
                t.addIngredient({n, u"Zutat %1"_s.arg(n)});
            QList<QList<int>> stored;
            for (int r = rng.bounded(0, 15); r > 0; --r) {
                QList<IngredientSlots::Line> lines;
                QList<int> numbers;
                for (int k = rng.bounded(1, 5); k > 0; --k) {
                    const int n = rng.bounded(1, kinds + 1);
                    lines.append({n, 2});
                    numbers.append(n);
                }
                t.addRecipe({u"Drink %1"_s.arg(QChar(u'A' + rng.bounded(26))), lines});
                stored.append(numbers);
            }
            IngredientSet present;
            for (int n = 1; n <= kinds; ++n)
                present.set(size_t(n), rng.bounded(2) == 0);
            const int maxMissing = rng.bounded(1, 3);
            const QList<NearMisses::Drink> found = NearMisses::find(t.re(), present, maxMissing);

            QMultiMap<int, QList<int>> expected; // record number → what it lacks
            for (int r = 0; r < stored.size(); ++r) {
                QList<int> missing;
                for (int n : stored.at(r))
                    if (!present.test(size_t(n)) && !missing.contains(n))
                        missing.append(n);
                std::sort(missing.begin(), missing.end());
                if (!missing.isEmpty() && missing.size() <= maxMissing)
                    expected.insert(r + 1, missing);
            }
            QMultiMap<int, QList<int>> actual;
            for (const NearMisses::Drink& d : found) {
                actual.insert(d.recNo, d.missing);
                IngredientSet bought = present;
                for (int n : d.missing)
                    bought.set(size_t(n));
                QVERIFY(HomeBarTable::Mixable(d.numbers, bought, 0));
                QVERIFY(!HomeBarTable::Mixable(d.numbers, present, 0));
            }
            QCOMPARE(actual, expected);
            for (int i = 1; i < found.size(); ++i)
                QVERIFY(found.at(i - 1).name <= found.at(i).name);

            const QList<NearMisses::Group> groups =
                NearMisses::group(found, [](int n) { return u"Zutat %1"_s.arg(n); });
            qsizetype drinks = 0;
            for (int g = 0; g < groups.size(); ++g) {
                drinks += groups.at(g).drinks.size();
                for (const NearMisses::Drink& d : groups.at(g).drinks)
                    QCOMPARE(d.missing, groups.at(g).missing);
                if (g > 0) {
                    const auto& a = groups.at(g - 1);
                    const auto& b = groups.at(g);
                    QVERIFY(a.drinks.size() > b.drinks.size() ||
                            (a.drinks.size() == b.drinks.size() && a.missing.size() <= b.missing.size()));
                }
            }
            QCOMPARE(drinks, found.size());
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(u"round %1"_s.arg(round)));
        }
    }

    // With substitutes allowed, a drink at hand only through one says which stands in; the window's
    // rows and the script lines say the same as the groups; switching bars and "zwei" reread.
    void sessionRowsAndStandIns() {
        TestTables t;
        t.addIngredient({1, u"Rum"_s, 0, 40, true});
        t.addIngredient({2, u"Limettensaft"_s});
        t.addIngredient({3, u"Zitronensaft"_s, 0, 0, true});
        t.addIngredient({4, u"Minze"_s});
        t.addIngredient({5, u"Soda"_s, 0, 0, false, true});
        t.addRecipe({u"Daiquiri"_s, {{1, 4}, {2, 2}, {4, 1}}});
        t.addRecipe({u"Mojito"_s, {{1, 4}, {2, 2}, {4, 1}, {5, 6}}});
        t.addRecipe({u"Rum Soda"_s, {{1, 4}, {5, 8}}});
        t.addRecipe({u"Rum pur"_s, {{1, 4}}});
        AppState state;
        state.catalogue.setIngredients(Catalogue::readIngredients(t.zu()));
        state.settings.useSubstitutes(SubstituteFile::parse(u"Limettensaft <- Zitronensaft\n"_s),
                                      state.catalogue.ingredients().zutatliste);
        state.settings.changeBar().allowSubstitutes = true;
        NearMissSession s(state, t.re());
        s.begin(1);
        QCOMPARE(s.heading(), u"2 Drinks fehlt in der Hausbar Nr. 1 nur eine Zutat:"_s);
        const QList<ListEntry> rows = s.rows();
        QCOMPARE(rows, (QList<ListEntry>{{u"Minze kaufen: 1 neuer Drink"_s, 0},
                                         {u"      Daiquiri (Zitronensaft statt Limettensaft)"_s, 1},
                                         {u"Soda kaufen: 1 neuer Drink"_s, 0},
                                         {u"      Rum Soda"_s, 3}}));
        s.setTwoMissing(true);
        QCOMPARE(s.scriptLines(), (QStringList{u"1\t1\tDaiquiri\tMinze"_s, u"1\t3\tRum Soda\tSoda"_s,
                                               u"2\t2\tMojito\tMinze, Soda"_s}));
        s.setBar(2); // Soda only
        QCOMPARE(s.scriptLines(), (QStringList{u"1\t4\tRum pur\tRum"_s, u"1\t3\tRum Soda\tRum"_s}));
        state.settings.changeBar().allowSubstitutes = false;
        s.setBar(1);
        s.setTwoMissing(false);
        QCOMPARE(s.scriptLines(), QStringList{u"1\t3\tRum Soda\tSoda"_s});
        QCOMPARE(s.rows().size(), 2);
    }

    // The verb prints the session's lines; bad arguments are refused with exit 2.
    void verb() {
        TestTables t;
        t.addIngredient({1, u"Rum"_s, 0, 40, true});
        t.addIngredient({2, u"Cola"_s});
        t.addRecipe({u"Cuba Libre"_s, {{1, 4}, {2, 12}}});
        t.addRecipe({u"Rum pur"_s, {{1, 4}}});
        // The verb opens the tables itself, so it gets a copy of the ones this test holds open.
        TempDataFolder folder;
        QVERIFY(TempDataFolder::copyFolder(t.path(), folder.path()));
        const VeltadbRun run = VeltadbRun::of({u"fastmixbar"_s, folder.path(), u"1"_s});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, u"1\t1\tCuba Libre\tCola\n"_s);
        for (const QStringList& bad : {QStringList{u"fastmixbar"_s, folder.path(), u"4"_s},
                                       QStringList{u"fastmixbar"_s, folder.path(), u"1"_s, u"3"_s},
                                       QStringList{u"fastmixbar"_s, folder.path() + u"/fehlt"_s, u"1"_s}}) {
            const VeltadbRun refused = VeltadbRun::of(bad);
            QCOMPARE(refused.code, 2);
            QVERIFY(refused.err.startsWith(u"veltadb: "_s));
        }
    }
};

VELTA_TEST_MAIN_CORE(TestNearMisses)
#include "tst_nearmisses.moc"
