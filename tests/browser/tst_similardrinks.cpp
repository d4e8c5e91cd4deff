#include "TestTables.h"
#include "VeltaTest.h"
#include "browser/SimilarDrinks.h"
#include "browser/SimilarDrinksSession.h"
#include "store/UnitKind.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct Ingredient {
    int number;
    int alcohol;
    int kind;
    QString name;
};

// Rum and gin carry alcohol; ice, sugar (a basic) and the rest do not count the same way.
const QList<Ingredient> kIngredients = {
    {1, 40, UnitKind::Cl, u"Rum"_s},         {2, 40, UnitKind::Cl, u"Gin"_s},
    {3, 0, UnitKind::Cl, u"Limettensaft"_s}, {4, 0, UnitKind::Piece, u"Minze"_s},
    {5, 0, UnitKind::Cl, u"Soda"_s},         {6, 0, UnitKind::None, u"Eiswürfel"_s},
    {7, 0, UnitKind::Gram, u"Zucker"_s},     {8, 15, UnitKind::Cl, u"Wermut"_s},
    {9, 0, UnitKind::Cl, u"Ananassaft"_s},   {10, 0, UnitKind::Dash, u"Angostura"_s},
};
const QList<int> kBasics = {7};

// The measure read directly: ice and basics left out; the ingredient with the most cl × % weighs 3.
QHash<int, int> weights(const QList<IngredientSlots::Line>& lines) {
    QHash<int, int> w;
    int base = 0;
    int most = 0;
    for (const IngredientSlots::Line& l : lines) {
        const Ingredient& i = *std::find_if(kIngredients.begin(), kIngredients.end(),
                                            [&](const Ingredient& x) { return x.number == l.ingredient; });
        if (i.name == u"Eiswürfel"_s || kBasics.contains(i.number))
            continue;
        w[i.number] = 1;
        if (i.kind == UnitKind::Cl && l.amount * i.alcohol > most) {
            most = l.amount * i.alcohol;
            base = i.number;
        }
    }
    if (base)
        w[base] = 3;
    return w;
}

int directScore(const QHash<int, int>& a, const QHash<int, int>& b) {
    QSet<int> all;
    for (int k : a.keys())
        all.insert(k);
    for (int k : b.keys())
        all.insert(k);
    int shared = 0;
    int either = 0;
    for (int k : all) {
        shared += std::min(a.value(k), b.value(k));
        either += std::max(a.value(k), b.value(k));
    }
    return either ? int(std::lround(100.0 * shared / either)) : 0;
}

} // namespace

// "Ähnliche Drinks": the ranking against a direct reading of the measure.
class TestSimilarDrinks : public QObject {
    Q_OBJECT

private slots:
    // Random drinks over the ingredients: the ten closest to each of a few, in order, with their
    // points, as the measure read directly gives them; the drink itself and deleted ones never.
    void rankingMatchesADirectComputation() {
        TestTables t;
        for (const Ingredient& i : kIngredients)
            t.addIngredient({i.number, i.name, i.kind, i.alcohol});
        QRandomGenerator rng(98);
        QList<QList<IngredientSlots::Line>> drinks;
        for (int d = 0; d < 60; ++d) {
            QList<IngredientSlots::Line> lines;
            QList<int> numbers;
            const int count = 2 + rng.bounded(4);
            while (numbers.size() < count) {
                const int n = 1 + rng.bounded(int(kIngredients.size()));
                if (!numbers.contains(n))
                    numbers << n;
            }
            for (int n : numbers)
                lines << IngredientSlots::Line{n, 1 + rng.bounded(6)};
            drinks << lines;
            t.addRecipe({.name = u"Drink %1"_s.arg(d, 2, 10, QLatin1Char('0')), .lines = lines});
        }
        TestTables::deleteRecord(t.re(), 5);
        for (int recNo : {1, 2, 17, 40}) {
            QList<SimilarDrinks::Found> expected;
            for (int other = 1; other <= int(drinks.size()); ++other) {
                if (other == recNo || other == 5)
                    continue;
                if (const int s = directScore(weights(drinks.at(recNo - 1)), weights(drinks.at(other - 1)));
                    s > 0)
                    expected.append({s, other, u"Drink %1"_s.arg(other - 1, 2, 10, QLatin1Char('0'))});
            }
            std::stable_sort(expected.begin(), expected.end(),
                             [](const SimilarDrinks::Found& a, const SimilarDrinks::Found& b) {
                                 return a.score > b.score; // the names already go up with the numbers
                             });
            QCOMPARE(SimilarDrinks::closest(t.re(), t.zu(), recNo, kBasics), expected.mid(0, 10));
        }
    }

    // The base spirit weighs most: sharing the rum beats sharing two mixers; ice and sugar count
    // for nothing, and a drink sharing nothing is not listed. The window's lines name the points.
    void baseSpiritCountsMost() {
        TestTables t;
        for (const Ingredient& i : kIngredients)
            t.addIngredient({i.number, i.name, i.kind, i.alcohol});
        const int mojito =
            t.addRecipe({.name = u"Mojito"_s, .lines = {{1, 5}, {3, 2}, {4, 6}, {7, 2}, {5, 6}, {6, 0}}});
        t.addRecipe({.name = u"Rum Soda"_s, .lines = {{1, 4}, {5, 10}}});
        t.addRecipe({.name = u"Gin Fizz"_s, .lines = {{2, 5}, {3, 3}, {5, 8}, {7, 2}}});
        t.addRecipe({.name = u"Eis mit Zucker"_s, .lines = {{6, 0}, {7, 3}}});
        t.addRecipe({.name = u"Manhattan"_s, .lines = {{8, 2}, {10, 1}}});
        SimilarDrinksSession session(t.re(), t.zu());
        session.begin(mojito, kBasics);
        QCOMPARE(session.entries(),
                 (QList<ListEntry>{{u"Rum Soda (67 Punkte)"_s, 2}, {u"Gin Fizz (22 Punkte)"_s, 3}}));
        QVERIFY(session.heading().contains(u"„Mojito“"_s));
        session.begin(5, kBasics);
        QVERIFY(session.entries().isEmpty());
        QCOMPARE(session.heading(), u"Kein anderer Drink hat Zutaten mit „Manhattan“ gemeinsam."_s);
    }
};

VELTA_TEST_MAIN_CORE(TestSimilarDrinks)
#include "tst_similardrinks.moc"
