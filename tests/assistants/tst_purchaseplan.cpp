#include "IngredientNumbers.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "assistants/PurchasePlan.h"
#include "common/BarCoverage.h"
#include "common/RecipeBook.h"

#include <QRandomGenerator>

using namespace Qt::StringLiterals;
using Step = PurchasePlan::Step;

namespace {

IngredientSet setOf(const QList<int>& numbers) {
    IngredientSet set;
    for (int n : numbers)
        set.set(size_t(n));
    return set;
}

QString joined(const QList<int>& numbers) {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(u',');
}

// "30:1,2" buys 30 and completes records 1 and 2; "40+41:3" is a pair; "~50:1,2/2" brings records 1
// and 2 closer, each then still missing two.
QString describe(const Step& step) {
    QStringList numbers;
    for (int n : step.numbers)
        numbers << QString::number(n);
    const QString bought = numbers.join(u'+');
    if (step.kind == Step::Closer)
        return u"~%1:%2/%3"_s.arg(bought, joined(step.closer)).arg(step.stillMissing);
    return u"%1:%2"_s.arg(bought, joined(step.drinks));
}

QStringList describe(const PurchasePlan::Steps& steps) {
    QStringList out;
    for (const Step& step : steps)
        out << describe(step);
    return out;
}

constexpr int kRandomNumbers = 9;

// Bar 1 with basics and substitutes as the mixable test sees them; plans start from its set.
struct Bar {
    HomeBarTable bars;
    Substitutes substitutes;
    BarSettings settings;
    BarCoverage coverage() const { return {bars, substitutes, settings}; }
    IngredientSet with(const IngredientSet& bought) const { return coverage().present(1, bought); }
};

// The drinks of `zs` that the mixable test keeps once `after` is bought but not with `before`.
int completed(const QStringList& zs, const Bar& bar, const IngredientSet& before,
              const IngredientSet& after) {
    const IngredientSet was = bar.with(before);
    const IngredientSet is = bar.with(after);
    int count = 0;
    for (const QString& z : zs)
        count += !HomeBarTable::Mixable(z, was, 0) && HomeBarTable::Mixable(z, is, 0) ? 1 : 0;
    return count;
}

IngredientSet with(IngredientSet set, const std::vector<int>& numbers) {
    for (int n : numbers)
        set.set(size_t(n));
    return set;
}

struct Exhaustive {
    int single = 0;
    int pair = 0;
};

// The most drinks any single purchase, and any pair, completes, found by trying them all. Numbers
// used by no recipe complete nothing, so the numbers the random recipes use are every candidate.
Exhaustive exhaustive(const QStringList& zs, const Bar& bar, const IngredientSet& bought) {
    Exhaustive best;
    for (int a = 1; a <= kRandomNumbers; ++a) {
        best.single = qMax(best.single, completed(zs, bar, bought, with(bought, {a})));
        for (int b = a + 1; b <= kRandomNumbers; ++b)
            best.pair = qMax(best.pair, completed(zs, bar, bought, with(bought, {a, b})));
    }
    return best;
}

} // namespace

class TestPurchasePlan : public QObject {
    Q_OBJECT

private slots:
    void plan_data() {
        QTest::addColumn<QList<QList<int>>>("recipes");
        QTest::addColumn<QList<int>>("deleted");
        QTest::addColumn<QList<int>>("atHand");
        QTest::addColumn<int>("purchases");
        QTest::addColumn<QStringList>("steps");
        const QList<int> none;
        QTest::newRow("the purchase completing the most comes first")
            << QList<QList<int>>{{1, 30}, {2, 30}, {3, 31}} << none << numberRange(1, 20) << 3
            << QStringList{u"30:1,2"_s, u"31:3"_s};
        QTest::newRow("on equal counts the lower number first")
            << QList<QList<int>>{{32}, {31}} << none << none << 2 << QStringList{u"31:2"_s, u"32:1"_s};
        QTest::newRow("later steps build on earlier purchases")
            << QList<QList<int>>{{30, 31}, {30, 31}, {30}, {31, 32}} << none << none << 3
            << QStringList{u"30:3"_s, u"31:1,2"_s, u"32:4"_s};
        QTest::newRow("a pair when no single purchase completes a drink")
            << QList<QList<int>>{{40, 41}, {41, 40}, {42, 43}} << none << none << 2
            << QStringList{u"40+41:1,2"_s};
        QTest::newRow("one purchase left after a pair brings a drink closer")
            << QList<QList<int>>{{40, 41}, {41, 40}, {42, 43}} << none << none << 3
            << QStringList{u"40+41:1,2"_s, u"~42:3/1"_s};
        QTest::newRow("on equal pairs the lower first number")
            << QList<QList<int>>{{45, 46}, {43, 47}} << none << none << 2 << QStringList{u"43+47:2"_s};
        QTest::newRow("closer when not even a pair completes a drink")
            << QList<QList<int>>{{50, 51, 52}, {50, 53, 54}, {55, 56, 57}} << none << none << 3
            << QStringList{u"~50:1,2/2"_s, u"51+52:1"_s};
        QTest::newRow("closer looks only at the drinks missing the fewest")
            << QList<QList<int>>{{60, 61, 62, 63}, {60, 64, 65, 66}, {67, 68, 69}} << none << none << 1
            << QStringList{u"~67:3/2"_s};
        QTest::newRow("a bar holding everything")
            << QList<QList<int>>{{1, 2}, {3}} << none << numberRange(1, 20) << 5 << QStringList{};
        QTest::newRow("an empty ingredient list is mixable already")
            << QList<QList<int>>{{}, {70}} << none << none << 3 << QStringList{u"70:2"_s};
        QTest::newRow("fewer useful purchases than asked for")
            << QList<QList<int>>{{71}, {1, 72}} << none << numberRange(1, 5) << 10
            << QStringList{u"71:1"_s, u"72:2"_s};
        QTest::newRow("a number above 1500 never becomes mixable")
            << QList<QList<int>>{{1501}, {1501, 80}, {80, 81}} << none << none << 3
            << QStringList{u"80+81:3"_s};
        QTest::newRow("1500 is an ingredient like any other")
            << QList<QList<int>>{{1500}, {1500, 1}} << none << none << 2
            << QStringList{u"1500:1"_s, u"1:2"_s};
        QTest::newRow("an ingredient twice in one recipe counts once")
            << QList<QList<int>>{{82, 82}} << none << none << 1 << QStringList{u"82:1"_s};
        QTest::newRow("deleted recipes are not read")
            << QList<QList<int>>{{90}, {91}, {91}} << QList<int>{2, 3} << none << 1 << QStringList{u"90:1"_s};
        QTest::newRow("at most ten purchases")
            << QList<QList<int>>{{101}, {102}, {103}, {104}, {105}, {106}, {107}, {108}, {109}, {110}, {111}}
            << none << none << 12 << QStringList{u"101:1"_s, u"102:2"_s, u"103:3"_s, u"104:4"_s, u"105:5"_s,
                                                 u"106:6"_s, u"107:7"_s, u"108:8"_s, u"109:9"_s, u"110:10"_s};
    }
    void plan() {
        QFETCH(QList<QList<int>>, recipes);
        QFETCH(QList<int>, deleted);
        QFETCH(QList<int>, atHand);
        QFETCH(int, purchases);
        QFETCH(QStringList, steps);
        TestTables t;
        for (const QList<int>& numbers : recipes) {
            QList<IngredientSlots::Line> lines;
            for (int n : numbers)
                lines.append({n, 1});
            t.addRecipe({.name = u"Drink"_s, .lines = lines});
        }
        for (int recNo : deleted)
            TestTables::deleteRecord(t.re(), recNo);
        PurchasePlan plan;
        int read = 0;
        plan.read(t.re(), [&] { ++read; });
        QCOMPARE(read, recipes.size() - deleted.size());
        QCOMPARE(describe(plan.plan(setOf(atHand), purchases)), steps);
    }

    // With substitutes a purchase counts for what it stands in for: lemon juice (4) stands in for lime
    // juice (5), so buying it completes the lime drinks and the drink missing both, and lime juice is
    // never bought after it.
    void purchaseCountsForWhatItStandsIn() {
        PurchasePlan plan;
        const QList<QList<int>> recipes{{1, 4}, {1, 4}, {1, 5}, {1, 5}, {1, 5}, {1, 4, 5}, {6, 5}};
        for (int r = 0; r < recipes.size(); ++r)
            plan.add(r + 1, RecipeBook::numbersIn(packedZ(recipes[r])));
        Bar bar;
        bar.bars.set(1, 1, true);
        bar.substitutes.add(5, 4);
        const auto planned = [&] {
            return describe(plan.plan(bar.with({}), 3, PurchaseReach(bar.coverage())));
        };
        QCOMPARE(planned(), (QStringList{u"5:3,4,5"_s, u"4:1,2,6"_s, u"6:7"_s}));
        bar.settings.allowSubstitutes = true;
        QCOMPARE(planned(), (QStringList{u"4:1,2,3,4,5,6"_s, u"6:7"_s}));
        // From an empty bar no single purchase completes a drink; the pair with lemon juice does for six.
        bar.bars.set(1, 1, false);
        QCOMPARE(planned(), (QStringList{u"1+4:1,2,3,4,5,6"_s, u"6:7"_s}));
    }

    // By new drinks per euro: gin (2) completes three drinks for 20 €, tonic (3) two for 2 €, lemons
    // (4) one for 1 € and rum (5), without a price, two. Per euro tonic comes first, then lemons, then
    // gin; the unpriced rum only once no priced purchase completes anything.
    void perEuro() {
        PurchasePlan plan;
        const QList<QList<int>> recipes{{1, 2}, {1, 2}, {1, 2}, {1, 3}, {1, 3}, {1, 4}, {1, 5}, {1, 5}};
        for (int r = 0; r < recipes.size(); ++r)
            plan.add(r + 1, RecipeBook::numbersIn(packedZ(recipes[r])));
        std::vector<int> prices(PurchasePlan::kMaxNumber + 1, 0);
        prices[2] = 2000;
        prices[3] = 200;
        prices[4] = 100;
        QCOMPARE(describe(plan.plan(setOf({1}), 4)),
                 (QStringList{u"2:1,2,3"_s, u"3:4,5"_s, u"5:7,8"_s, u"4:6"_s}));
        QCOMPARE(describe(plan.plan(setOf({1}), 4, {}, prices)),
                 (QStringList{u"3:4,5"_s, u"4:6"_s, u"2:1,2,3"_s, u"5:7,8"_s}));
    }

    // Every greedy step completes as many drinks as the best single purchase, or pair, found by
    // trying every candidate through the mixable test; together the steps complete exactly what their
    // purchases make mixable. Most rounds count basics and random substitutes.
    void stepsMatchExhaustiveSearch() {
        QRandomGenerator rng(1998);
        for (int round = 0; round < 600; ++round) {
            QStringList zs;
            PurchasePlan plan;
            const int recipeCount = rng.bounded(1, 14);
            for (int r = 0; r < recipeCount; ++r) {
                QList<int> numbers;
                const int size = rng.bounded(0, 5);
                for (int k = 0; k < size; ++k)
                    numbers << (rng.bounded(40) == 0 ? 1501 : rng.bounded(1, kRandomNumbers + 1));
                zs << packedZ(numbers);
                plan.add(r + 1, RecipeBook::numbersIn(zs.last()));
            }
            Bar bar;
            for (int n = 1; n <= kRandomNumbers; ++n)
                bar.bars.set(1, n, rng.bounded(3) == 0);
            bar.settings.allowSubstitutes = rng.bounded(3) != 0;
            bar.settings.alwaysAtHome = rng.bounded(3) == 0;
            bar.settings.basics = {int(rng.bounded(1, kRandomNumbers + 1))};
            for (int k = rng.bounded(0, 6); k > 0; --k)
                bar.substitutes.add(rng.bounded(1, kRandomNumbers + 1), rng.bounded(1, kRandomNumbers + 1));
            const int purchases = rng.bounded(1, PurchasePlan::kMaxPurchases + 1);
            checkAgainstExhaustive(zs, bar, plan.plan(bar.with({}), purchases, PurchaseReach(bar.coverage())),
                                   purchases);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(u"round %1"_s.arg(round)));
        }
    }

private:
    static void checkAgainstExhaustive(const QStringList& zs, const Bar& bar,
                                       const PurchasePlan::Steps& steps, int purchases) {
        IngredientSet bought;
        int left = purchases;
        int total = 0;
        for (const Step& step : steps) {
            const Exhaustive best = exhaustive(zs, bar, bought);
            const IngredientSet after = with(bought, step.numbers);
            QCOMPARE(completed(zs, bar, bought, after), step.newDrinks());
            switch (step.kind) {
            case Step::Single:
                QVERIFY(best.single > 0);
                QCOMPARE(step.newDrinks(), best.single);
                break;
            case Step::Pair:
                QCOMPARE(best.single, 0);
                QVERIFY(left >= 2);
                QVERIFY(best.pair > 0);
                QCOMPARE(step.newDrinks(), best.pair);
                break;
            case Step::Closer:
                QCOMPARE(best.single, 0);
                QVERIFY(left < 2 || best.pair == 0);
                QCOMPARE(step.newDrinks(), 0);
                QVERIFY(!step.closer.isEmpty());
                break;
            }
            left -= step.purchases();
            total += step.newDrinks();
            bought = after;
        }
        QVERIFY(left >= 0);
        QCOMPARE(total, completed(zs, bar, {}, bought));
        // Stopping early only when nothing more can become mixable.
        if (left > 0) {
            IngredientSet everything = bought;
            for (int n = 1; n <= kRandomNumbers; ++n)
                everything.set(size_t(n));
            QCOMPARE(completed(zs, bar, bought, everything), 0);
        }
    }
};

VELTA_TEST_MAIN_CORE(TestPurchasePlan)
#include "tst_purchaseplan.moc"
