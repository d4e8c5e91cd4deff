#include "ReferenceFixture.h"
#include "VeltaTest.h"
#include "reference/IngredientFacts.h"
#include "reference/RecipeIngredientsSession.h"

using namespace Qt::StringLiterals;
using namespace ReferenceFixture;
using Entries = QList<ListEntry>;

// What the ingredient info windows show and copy.
class TestIngredientInfo : public QObject {
    Q_OBJECT

private slots:
    void details() {
        Tables l;
        const auto wodka = IngredientFacts::read(l.t.zu(), 12);
        QVERIFY(wodka);
        QCOMPARE(wodka->percent, u"40%"_s);
        QCOMPARE(wodka->clipboardText(), u"Wodka 40%\r\n\r\n"_s);
        const auto own = IngredientFacts::read(l.t.zu(), 400);
        QCOMPARE(own->clipboardText(), u"Hausgemachter Likör 18%\r\n\r\nNach Omas Rezept."_s);
        QVERIFY(!IngredientFacts::read(l.t.zu(), 13));
        QVERIFY(!IngredientFacts::read(l.t.zu(), 0));
    }

    void ingredientsOfARecipe() {
        TestTables t;
        QList<IngredientSlots::Line> all;
        for (int n = 1; n <= 20; ++n) {
            t.addIngredient({.number = n, .name = u"Zutat %1"_s.arg(n, 2, 10, QLatin1Char('0'))});
            all.append({n, 1});
        }
        t.addRecipe({.name = u"Zwanzig"_s, .lines = all});
        // Recipe order, repeats kept, a number missing from the table left out, the end at 0.
        t.addRecipe({.name = u"Lücken"_s, .lines = {{7, 1}, {99, 1}, {3, 1}, {7, 1}, {0, 0}, {5, 1}}});
        RecipeIngredientsSession s(t.re(), t.zu());
        s.begin(1);
        QCOMPARE(s.entries().size(), 20);
        QCOMPARE(s.entries().last(), (ListEntry{u"Zutat 20"_s, 20}));
        s.begin(2);
        QCOMPARE(s.entries(), (Entries{{u"Zutat 07"_s, 7}, {u"Zutat 03"_s, 3}, {u"Zutat 07"_s, 7}}));
        QCOMPARE(s.info(1)->name, u"Zutat 03"_s);
        QVERIFY(!s.info(3));
        QVERIFY(!s.info(-1));
        s.begin(3);
        QVERIFY(s.entries().isEmpty());
    }
};

VELTA_TEST_MAIN_CORE(TestIngredientInfo)
#include "tst_ingredientinfo.moc"
