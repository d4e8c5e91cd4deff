#include "TestTables.h"
#include "VeltaTest.h"
#include "assistants/CocktailSession.h"
#include "store/StoreError.h"

using namespace Qt::StringLiterals;

namespace {

// The answer digits of a combination, occasion first.
struct Answers {
    int occasion, taste, alcohol, amount;
};

void choose(CocktailSession& a, const Answers& x) {
    a.setAnswer(0, x.occasion);
    a.setAnswer(1, x.taste);
    a.setAnswer(2, x.alcohol);
    a.setAnswer(3, x.amount);
}

int addDrink(TestTables& t, const QString& name, int canr) {
    const int recNo = t.addRecipe({.name = name, .lines = {{1, 4}}});
    t.re().Go(recNo);
    t.re().Edit();
    t.re().ReplaceInteger(u"CANR"_s, canr);
    t.re().Commit();
    return recNo;
}

QStringList visibleNames(TApollo& re) {
    QStringList names;
    for (re.GoTop(); !re.Eof(); re.Skip())
        names << re.GetTrimString(u"NAME"_s);
    return names;
}

} // namespace

class TestCocktailSession : public QObject {
    Q_OBJECT

private slots:
    // Forward through every page and back again: captions, the back button and the sounds, which
    // play once per showing up to the last page.
    void wizardWalk() {
        TestTables t;
        CocktailSession a(t.re());
        QCOMPARE(a.begin().sound, 13);
        QCOMPARE(a.page(), 0);
        QVERIFY(!a.backEnabled());
        QCOMPARE(a.forwardButtonCaption(), u"&Weiter >>>"_s);
        const QList<int> sounds = {11, 14, 10, 18, 12};
        for (int page = 1; page <= 5; ++page) {
            const CocktailSession::Move m = a.forward();
            QVERIFY(!m.start);
            QCOMPARE(m.sound, sounds.at(page - 1));
            QCOMPARE(a.page(), page);
            QVERIFY(a.backEnabled());
        }
        QCOMPARE(a.forwardButtonCaption(), u"&Start"_s);
        QVERIFY(a.soundsPlayedOut());
        // Back from the last page: the caption returns, no page sound plays any more.
        QCOMPARE(a.back().sound, 0);
        QCOMPARE(a.page(), 4);
        QCOMPARE(a.forwardButtonCaption(), u"&Weiter >>>"_s);
        for (int page = 3; page >= 0; --page)
            QCOMPARE(a.back().sound, 0);
        QCOMPARE(a.page(), 0);
        QVERIFY(!a.backEnabled());
        const CocktailSession::Move none = a.back();
        QVERIFY(!none.start && none.sound == 0);
        QCOMPARE(a.page(), 0);
        for (int page = 1; page <= 5; ++page)
            QCOMPARE(a.forward().sound, 0);
        QVERIFY(a.forward().start);
        QCOMPARE(a.page(), 5);
        // A new showing begins on the first page with its sounds again.
        QCOMPARE(a.begin().sound, 13);
        QVERIFY(!a.soundsPlayedOut());
        QCOMPARE(a.page(), 0);
    }

    // Going back before the last page keeps the sounds: each page reached plays its own again.
    void backBeforeTheLastPagePlaysAgain() {
        TestTables t;
        CocktailSession a(t.re());
        a.begin();
        a.forward();
        a.forward();
        QCOMPARE(a.back().sound, 11);
        QCOMPARE(a.back().sound, 13);
    }

    void answersAndExpression_data() {
        QTest::addColumn<QList<int>>("set");
        QTest::addColumn<QString>("expression");
        QTest::newRow("first answers at first") << QList<int>{} << u"CANR = 1111"_s;
        QTest::newRow("example") << QList<int>{3, 3, 2, 1} << u"CANR = 3321"_s;
        QTest::newRow("last answers") << QList<int>{4, 4, 4, 3} << u"CANR = 4443"_s;
        QTest::newRow("amount has no fourth answer") << QList<int>{2, 2, 2, 4} << u"CANR = 2221"_s;
        QTest::newRow("zero is no answer") << QList<int>{0, 2, 0, 2} << u"CANR = 1212"_s;
        QTest::newRow("five is no answer") << QList<int>{5, 1, 1, 1} << u"CANR = 1111"_s;
    }
    void answersAndExpression() {
        QFETCH(QList<int>, set);
        QFETCH(QString, expression);
        TestTables t;
        CocktailSession a(t.re());
        for (int q = 0; q < set.size(); ++q)
            a.setAnswer(q, set.at(q));
        QCOMPARE(a.filterExpression(), expression);
        a.begin(); // a new showing keeps the answers
        QCOMPARE(a.filterExpression(), expression);
    }

    // Every combination builds its own code, and the filter finds exactly the drinks carrying it.
    void everyCombinationFiltersItsDrinks() {
        TestTables t;
        t.addIngredient({.number = 1, .name = u"Rum"_s});
        QHash<QString, QStringList> byCode;
        int n = 0;
        for (int o = 1; o <= 4; ++o)
            for (int g = 1; g <= 4; ++g)
                for (int k = 1; k <= 4; ++k)
                    for (int m = 1; m <= 3; ++m) {
                        const int code = o * 1000 + g * 100 + k * 10 + m;
                        if (code % 7 == 0)
                            continue; // some combinations carry no drink
                        const QString name = u"Drink %1"_s.arg(++n);
                        addDrink(t, name, code);
                        byCode[QString::number(code)] << name;
                    }
        addDrink(t, u"Zweiter 3321"_s, 3321);
        byCode[u"3321"_s] << u"Zweiter 3321"_s;
        const int deleted = addDrink(t, u"Gelöscht"_s, 1112);
        TestTables::deleteRecord(t.re(), deleted);

        CocktailSession a(t.re());
        int combinations = 0;
        for (int o = 1; o <= 4; ++o)
            for (int g = 1; g <= 4; ++g)
                for (int k = 1; k <= 4; ++k)
                    for (int m = 1; m <= 3; ++m) {
                        ++combinations;
                        choose(a, {o, g, k, m});
                        const QString code = u"%1%2%3%4"_s.arg(o).arg(g).arg(k).arg(m);
                        QCOMPARE(a.filterExpression(), u"CANR = "_s + code);
                        QStringList listed;
                        bool filled = false;
                        const Result result = a.start([&] {
                            filled = true;
                            listed = visibleNames(t.re());
                        });
                        const QStringList expected = byCode.value(code);
                        QCOMPARE(result.isOk(), !expected.isEmpty());
                        if (!result)
                            QCOMPARE(result.notice(), CocktailSession::noMatchNotice());
                        QCOMPARE(filled, !expected.isEmpty());
                        QCOMPARE(listed, expected);
                        QCOMPARE(t.re().filterText(), QString());
                    }
        QCOMPARE(combinations, 192);
        QCOMPARE(int(visibleNames(t.re()).size()), n + 1);
    }

    // A fill that fails still leaves the table without the filter.
    void filterIsLiftedWhenTheFillFails() {
        TestTables t;
        t.addIngredient({.number = 1, .name = u"Rum"_s});
        addDrink(t, u"A"_s, 1111);
        addDrink(t, u"B"_s, 2222);
        CocktailSession a(t.re());
        QVERIFY_THROWS_EXCEPTION(StoreError, a.start([] { throw StoreError(u"Lesefehler"_s); }));
        QCOMPARE(t.re().filterText(), QString());
        QCOMPARE(visibleNames(t.re()), (QStringList{u"A"_s, u"B"_s}));
    }
};

VELTA_TEST_MAIN_CORE(TestCocktailSession)
#include "tst_cocktailsession.moc"
