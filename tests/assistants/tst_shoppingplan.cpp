#include "IngredientNumbers.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "assistants/ShoppingPlan.h"

using namespace Qt::StringLiterals;

namespace {

// "step|ingredient|drinks" per row, so that a difference shows in the failure.
QStringList flat(const QList<ShoppingPlan::Row>& rows) {
    QStringList out;
    for (const ShoppingPlan::Row& row : rows)
        out << QStringList{row.step, row.ingredient, row.drinks}.join(u'|');
    return out;
}

} // namespace

// The plan as the assistant's page shows it: names of what to buy and of the drinks, on the tables.
class TestShoppingPlan : public QObject {
    Q_OBJECT

    TestTables t;

private slots:
    void initTestCase() {
        for (auto [number, name] : {std::pair{1, "Gin"},
                                    {2, "Tonic"},
                                    {3, "Limette"},
                                    {4, "Wodka"},
                                    {5, "Rum"},
                                    {6, "Cola"},
                                    {7, "Minze"}})
            t.addIngredient({.number = number, .name = QString::fromUtf8(name)});
        // Gin is at hand: "Gin Tonic" and "Gin Fizz" miss Tonic; "Cuba Libre" needs Rum and Cola;
        // "Mojito" misses Rum, Limette and Minze; "Geheim" holds a number no bar can hold.
        t.addRecipe({.name = u"Gin Tonic"_s, .lines = slotLines({1, 2})});
        t.addRecipe({.name = u"Cuba Libre"_s, .lines = slotLines({5, 6})});
        t.addRecipe({.name = u"Gin Fizz"_s, .lines = slotLines({2, 1})});
        t.addRecipe({.name = u"Mojito"_s, .lines = slotLines({5, 3, 7})});
        t.addRecipe({.name = u"Geheim"_s, .lines = slotLines({1, 1501})});
    }

    void rowsAndDrinks_data() {
        QTest::addColumn<int>("purchases");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<QStringList>>("drinks");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one purchase")
            << 1 << QStringList{u"1|Tonic|2"_s} << QStringList{u"Neu mixbar mit Schritt 1:"_s}
            << QList<QStringList>{{u"Gin Tonic"_s, u"Gin Fizz"_s}} << QStringList{u"1\t2\t2\tTonic"_s};
        QTest::newRow("a pair, then one purchase closer")
            << 4 << QStringList{u"1|Tonic|2"_s, u"2|Rum + Cola|1"_s, u"3|Limette|0"_s}
            << QStringList{u"Neu mixbar mit Schritt 1:"_s, u"Neu mixbar mit Schritt 2:"_s,
                           u"Danach fehlt nur noch eine Zutat:"_s}
            << QList<QStringList>{{u"Gin Tonic"_s, u"Gin Fizz"_s}, {u"Cuba Libre"_s}, {u"Mojito"_s}}
            << QStringList{u"1\t2\t2\tTonic"_s, u"2\t1\t5\tRum"_s, u"2\t1\t6\tCola"_s, u"3\t0\t3\tLimette"_s};
    }
    void rowsAndDrinks() {
        QFETCH(int, purchases);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, captions);
        QFETCH(QList<QStringList>, drinks);
        QFETCH(QStringList, lines);
        ShoppingPlan plan(t.re(), t.zu());
        plan.setPurchases(purchases);
        IngredientSet gin;
        gin.set(1);
        t.re().Go(4); // the recipe the main window shows stays current
        plan.make(gin);
        QCOMPARE(flat(plan.rows()), rows);
        for (int k = 0; k < rows.size(); ++k) {
            QCOMPARE(plan.drinksCaption(k), captions.at(k));
            QCOMPARE(plan.drinkNames(k), drinks.at(k));
        }
        QCOMPARE(plan.drinkNames(int(rows.size())), QStringList());
        QCOMPARE(plan.lines(), lines);
        QCOMPARE(t.re().RecNo(), 4);
    }

    // A new count plans again from what was read, without reading the table; counts outside
    // 1..10 are brought within.
    void purchasesReplan() {
        ShoppingPlan plan(t.re(), t.zu());
        plan.setPurchases(0);
        QCOMPARE(plan.purchases(), 1);
        plan.make(IngredientSet{});
        QCOMPARE(plan.rows().size(), 1);
        plan.setPurchases(99);
        QCOMPARE(plan.purchases(), 10);
        // Three pairs complete the four drinks that can be completed; "Geheim" never is.
        QCOMPARE(flat(plan.rows()),
                 (QStringList{u"1|Gin + Tonic|2"_s, u"2|Rum + Cola|1"_s, u"3|Limette + Minze|1"_s}));
    }
};

VELTA_TEST_MAIN_CORE(TestShoppingPlan)
#include "tst_shoppingplan.moc"
