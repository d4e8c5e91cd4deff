#include "TempDataFolder.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"
#include "common/RecipeBook.h"
#include "common/RecipeCost.h"
#include "store/TApollo.h"

using namespace Qt::StringLiterals;

namespace {

// Rum 12,99 € for 70 cl, lime juice 2,99 € for 50 cl, sugar 0,99 € for 1000 g, limes 0,35 € each,
// bitters 17,99 € for 20 cl (dashes at 12 to the cl), soda without a price, mint and ice unmeasured.
void pricedTables(TestTables& t) {
    const auto priced = [&t](int number, int cents, int pack) {
        TApollo& zu = t.zu();
        for (zu.GoTop(); !zu.Eof(); zu.Skip()) {
            if (zu.GetInteger(u"INDEX"_s) == number) {
                zu.Edit();
                zu.ReplaceInteger(u"PREIS"_s, cents);
                zu.ReplaceInteger(u"VOL"_s, pack);
                zu.Commit();
            }
        }
    };
    t.addIngredient({1, u"Weißer Rum"_s, 0, 40});
    t.addIngredient({2, u"Limettensaft"_s, 0, 0});
    t.addIngredient({3, u"Zucker"_s, 1, 0});
    t.addIngredient({4, u"Limette"_s, 2, 0});
    t.addIngredient({5, u"Angostura Bitter"_s, 4, 45});
    t.addIngredient({6, u"Soda"_s, 0, 0});
    t.addIngredient({7, u"Minze"_s, 3, 0});
    t.addIngredient({8, u"Eiswürfel"_s, 3, 0});
    priced(1, 1299, 70);
    priced(2, 299, 50);
    priced(3, 99, 1000);
    priced(4, 35, 1);
    priced(5, 1799, 20);
    t.addRecipe({u"Daiquiri"_s, {{1, 6}, {2, 2}, {3, 8}, {8, 0}}});
    t.addRecipe({u"Mojito"_s, {{1, 4}, {4, 1}, {7, 0}, {6, 10}, {5, 2}}});
    t.addRecipe({u"Soda pur"_s, {{6, 20}}});
}

} // namespace

// What a glass costs, against the sums worked out by hand.
class TestRecipeCost : public QObject {
    Q_OBJECT

private slots:
    void costs_data() {
        QTest::addColumn<int>("recNo");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("missing");
        // 6/70 × 1299 + 2/50 × 299 + 8/1000 × 99 = 111,34 + 11,96 + 0,79 = 124,09 cents.
        QTest::newRow("everything priced") << 1 << u"Kosten: ca. 1,24 €"_s << QStringList();
        // 4/70 × 1299 + 35 + (2/12)/20 × 1799 = 74,23 + 35 + 14,99 = 124,22 cents; soda has no price.
        QTest::newRow("soda without a price")
            << 2 << u"Kosten: ab 1,24 € (ohne Preis: Soda)"_s << QStringList{u"Soda"_s};
        QTest::newRow("nothing priced: no line") << 3 << QString() << QStringList{u"Soda"_s};
    }
    void costs() {
        QFETCH(int, recNo);
        QFETCH(QString, line);
        QFETCH(QStringList, missing);
        TestTables t;
        pricedTables(t);
        const RecipeCost::Cost cost = RecipeCost::of(RecipeBook(t.re(), t.zu()).read(recNo, false), 12);
        QCOMPARE(RecipeCost::text(cost), line);
        QCOMPARE(cost.missing, missing);
    }

    void manyMissingAreCut() {
        RecipeCost::Cost cost;
        cost.cents = 50;
        cost.priced = 1;
        cost.missing = {u"A"_s, u"B"_s, u"C"_s, u"D"_s};
        QCOMPARE(RecipeCost::text(cost), u"Kosten: ab 0,50 € (ohne Preis: A, B, C …)"_s);
    }

    // The verb: every drink by name, or those asked for; "-" and the missing names where a price is
    // missing; exit 2 for a record that does not exist.
    void verb() {
        TestTables t;
        pricedTables(t);
        TempDataFolder folder;
        QVERIFY(TempDataFolder::copyFolder(t.path(), folder.path()));
        const VeltadbRun all = VeltadbRun::of({u"kosten"_s, folder.path()});
        QCOMPARE(all.code, 0);
        QCOMPARE(all.out, u"1\t124\tDaiquiri\n2\t-\tMojito\tSoda\n3\t-\tSoda pur\tSoda\n"_s);
        const VeltadbRun one = VeltadbRun::of({u"kosten"_s, folder.path(), u"1"_s});
        QCOMPARE(one.out, u"1\t124\tDaiquiri\n"_s);
        const VeltadbRun missing = VeltadbRun::of({u"kosten"_s, folder.path(), u"9"_s});
        QCOMPARE(missing.code, 2);
        QVERIFY(missing.err.startsWith(u"veltadb: "_s));
    }
};

VELTA_TEST_MAIN_CORE(TestRecipeCost)
#include "tst_recipecost.moc"
