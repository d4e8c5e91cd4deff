#include "IngredientNumbers.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "assistants/HomeBarPresets.h"
#include "assistants/ShoppingAnalysis.h"
#include "assistants/ShoppingSession.h"
#include "common/AppState.h"
#include "common/HomeBarTable.h"
#include "common/RecipeBook.h"
#include "editors/ChoiceLists.h"
#include "store/StoreError.h"

#include <QDir>
#include <QHash>
#include <QProcess>

#include <climits>

using namespace Qt::StringLiterals;
using Tips = ShoppingAnalysis::Tips;

namespace {

// Count and number of each rank, flattened: c1, n1, c2, n2, c3, n3.
QList<int> flat(const Tips& tips) {
    QList<int> out;
    for (const ShoppingAnalysis::Tip& t : tips)
        out << t.count << t.number;
    return out;
}

// Bar 1 holds 1..5, bar 2 holds 10; ingredients 1..20 exist, named "Zutat N".
void fillIngredients(TestTables& t) {
    for (int n : numberRange(1, 20))
        t.addIngredient({.number = n, .name = u"Zutat %1"_s.arg(n), .h1 = n <= 5, .h2 = n == 10});
}

QProcess* runVeltadb(QProcess& p, const QStringList& args) {
    p.start(QStringLiteral(VELTADB_PATH), args);
    p.waitForFinished(30000);
    return &p;
}

} // namespace

class TestShoppingSession : public QObject {
    Q_OBJECT

private slots:
    void ranking_data() {
        QTest::addColumn<QStringList>("recipes");
        QTest::addColumn<QList<int>>("tips");
        // Bar 1 holds 1..20 and 1500.
        QTest::newRow("one missing counts for it")
            << QStringList{packedZ({1, 30}), packedZ({2, 30}), packedZ({3, 31})}
            << QList<int>{2, 30, 1, 31, 0, 0};
        QTest::newRow("tie goes to the lower number")
            << QStringList{packedZ({1, 32}), packedZ({2, 31}), packedZ({33}), packedZ({34})}
            << QList<int>{1, 31, 1, 32, 1, 33};
        QTest::newRow("a larger count beats a lower number")
            << QStringList{packedZ({1, 31}), packedZ({2, 40}), packedZ({3, 40})}
            << QList<int>{2, 40, 1, 31, 0, 0};
        QTest::newRow("two missing contribute nothing")
            << QStringList{packedZ({30, 31}), packedZ({1, 30, 2, 31})} << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("the same ingredient missing twice is two")
            << QStringList{packedZ({30, 30})} << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("nothing missing")
            << QStringList{packedZ(numberRange(1, 20))} << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("fourth rank is dropped")
            << QStringList{packedZ({30}), packedZ({30}), packedZ({30}), packedZ({30}), packedZ({31}),
                           packedZ({31}), packedZ({31}), packedZ({32}), packedZ({32}), packedZ({33})}
            << QList<int>{4, 30, 3, 31, 2, 32};
        QTest::newRow("zero ends the list")
            << QStringList{packedZ({1, 0, 30})} << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("21st slot is never read")
            << QStringList{packedZ(numberRange(1, 20) << 30)} << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("20th slot is read")
            << QStringList{packedZ(numberRange(1, 19) << 30)} << QList<int>{1, 30, 0, 0, 0, 0};
        QTest::newRow("negative numbers are not missing")
            << QStringList{u"  -12"_s + packedZ({30})} << QList<int>{1, 30, 0, 0, 0, 0};
        QTest::newRow("1500 has a counter")
            << QStringList{packedZ({1499})} << QList<int>{1, 1499, 0, 0, 0, 0};
        QTest::newRow("above 1500 has no counter")
            << QStringList{packedZ({1501}), packedZ({9999}), packedZ({1, 1501})}
            << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("above 1500 is still missing")
            << QStringList{packedZ({1600, 30})} << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("empty field") << QStringList{QString()} << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("garbage ends the list")
            << QStringList{u"   ab"_s + packedZ({30})} << QList<int>{0, 0, 0, 0, 0, 0};
    }
    void ranking() {
        QFETCH(QStringList, recipes);
        QFETCH(QList<int>, tips);
        HomeBarTable bars;
        for (int n : numberRange(1, 20) + QList<int>{1500})
            bars.set(1, n, true);
        bars.set(2, 30, true); // another bar does not count
        ShoppingAnalysis analysis(bars.present(1));
        for (const QString& z : recipes)
            analysis.examine(RecipeBook::numbersIn(z));
        QCOMPARE(flat(analysis.rank()), tips);
        // Ranking leaves the counters as they are: it can be asked again.
        QCOMPARE(flat(analysis.rank()), tips);
    }

    // The pass over the table: deleted recipes are skipped, the step runs once per recipe examined.
    void runOverTable() {
        TestTables t;
        fillIngredients(t);
        t.addRecipe({.name = u"A"_s, .lines = slotLines({1, 12})});
        const int gone = t.addRecipe({.name = u"B"_s, .lines = slotLines({2, 12})});
        t.addRecipe({.name = u"C"_s, .lines = slotLines({3, 11})});
        t.addRecipe({.name = u"D"_s, .lines = slotLines({11, 12})});
        TestTables::deleteRecord(t.re(), gone);
        HomeBarTable bars;
        bars.fill(t.zu());
        ShoppingAnalysis analysis(bars.present(1));
        int steps = 0;
        const Tips tips = analysis.run(t.re(), [&] { ++steps; });
        QCOMPARE(steps, 3);
        QCOMPARE(flat(tips), (QList<int>{1, 11, 1, 12, 0, 0}));
        QVERIFY(!t.re().turboRead());
        // Running again starts from zero.
        QCOMPARE(flat(analysis.run(t.re())), flat(tips));
    }

    void sessionPages() {
        TestTables t;
        AppState state;
        ShoppingSession s(state, {t.re(), t.zu()});
        s.begin();
        QCOMPARE(s.page(), ShoppingSession::Intro);
        QVERIFY(s.forwardEnabled() && !s.backEnabled());
        s.back(); // disabled: nothing happens
        QCOMPARE(s.page(), ShoppingSession::Intro);
        s.forward();
        QCOMPARE(s.page(), ShoppingSession::Waiting);
        QVERIFY(!s.forwardEnabled() && s.backEnabled());
        s.forward(); // disabled
        QCOMPARE(s.page(), ShoppingSession::Waiting);
        s.back();
        QCOMPARE(s.page(), ShoppingSession::Intro);
        QVERIFY(s.forwardEnabled() && !s.backEnabled());
        s.setBar(3);
        s.setBar(0); // out of range: kept
        s.setBar(4);
        QCOMPARE(s.bar(), 3);
        s.begin(); // the bar chosen stays
        QCOMPARE(s.bar(), 3);
    }

    // An ingredient covered by a substitute in the bar or by a basic is not missing: never suggested,
    // and the drinks it completes no longer count for anything. A purchase that stands in for another
    // counts the drinks missing either.
    void substitutesAndBasics_data() {
        QTest::addColumn<bool>("substitutes");
        QTest::addColumn<bool>("basics");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QList<int>>("tips");
        // Zutat 3 (in the bar) stands in for Zutat 12 only: 12 does not stand in for 3, nor 3 for 11.
        const QString inBar = u"Zutat 12 <- Zutat 3"_s;
        QTest::newRow("both off") << false << false << inBar << QList<int>{2, 12, 2, 13, 1, 11};
        QTest::newRow("substitutes") << true << false << inBar << QList<int>{2, 13, 1, 11, 1, 14};
        QTest::newRow("basics") << false << true << inBar << QList<int>{2, 12, 1, 11, 1, 14};
        QTest::newRow("both") << true << true << inBar << QList<int>{1, 11, 1, 14, 0, 0};
        QTest::newRow("buying a stand-in")
            << true << false << u"Zutat 12 <- Zutat 11"_s << QList<int>{3, 11, 2, 12, 2, 13};
        QTest::newRow("buying a stand-in, switched off")
            << false << false << u"Zutat 12 <- Zutat 11"_s << QList<int>{2, 12, 2, 13, 1, 11};
    }
    void substitutesAndBasics() {
        QFETCH(bool, substitutes);
        QFETCH(bool, basics);
        QFETCH(QString, rule);
        QFETCH(QList<int>, tips);
        TestTables t;
        fillIngredients(t); // bar 1 holds 1..5
        for (const QList<int>& z : {QList<int>{1, 12}, {2, 12}, {3, 11}, {4, 13}, {5, 13}, {1, 14}})
            t.addRecipe({.name = u"R%1%2"_s.arg(z[0]).arg(z[1]), .lines = slotLines(z)});
        AppState state;
        state.catalogue.setIngredients(Catalogue::readIngredients(t.zu()));
        state.settings.useSubstitutes(SubstituteFile::parse(rule), state.catalogue.ingredients().zutatliste);
        state.settings.useBar({substitutes, basics, {13}});
        ShoppingSession s(state, {t.re(), t.zu()});
        s.setBar(1);
        s.analyse();
        QCOMPARE(flat(s.tips()), tips);
    }

    // After the result "&Weiter >>>" leads on to the purchase plan, and "<<< &Zurück" from there
    // back to the result; from the result back to the first page as before.
    void sessionPlanPage() {
        TestTables t;
        AppState state;
        ShoppingSession s(state, {t.re(), t.zu()});
        s.begin();
        s.forward();
        s.analyse();
        QCOMPARE(s.page(), ShoppingSession::Result);
        QVERIFY(s.forwardEnabled() && s.backEnabled());
        s.forward();
        QCOMPARE(s.page(), ShoppingSession::Plan);
        QVERIFY(!s.forwardEnabled() && s.backEnabled());
        s.forward(); // disabled
        QCOMPARE(s.page(), ShoppingSession::Plan);
        s.back();
        QCOMPARE(s.page(), ShoppingSession::Result);
        QVERIFY(s.forwardEnabled() && s.backEnabled());
        s.back();
        QCOMPARE(s.page(), ShoppingSession::Intro);
        QVERIFY(s.forwardEnabled() && !s.backEnabled());
    }

    // Back to the first page and forward again repeats the analysis for the bar chosen then.
    void sessionRepeatsForTheBarChosen() {
        TestTables t;
        fillIngredients(t);
        t.addRecipe({.name = u"A"_s, .lines = slotLines({1, 12})});
        t.addRecipe({.name = u"B"_s, .lines = slotLines({2, 12})});
        t.addRecipe({.name = u"C"_s, .lines = slotLines({3, 11})});
        t.addRecipe({.name = u"D"_s, .lines = slotLines({10, 13})});
        t.addRecipe({.name = u"E"_s, .lines = slotLines({10, 14})});
        AppState state;
        state.catalogue.changeIngredients([&](IngredientChoices& c) { c.homeBars.fill(t.zu()); });
        ShoppingSession s(state, {t.re(), t.zu()});
        s.begin();
        s.forward();
        s.analyse();
        QCOMPARE(s.page(), ShoppingSession::Result);
        QVERIFY(!s.notice());
        QCOMPARE(s.rows()[0], (ShoppingSession::Row{u"Zutat 12"_s, u"2"_s}));
        QCOMPARE(s.rows()[1], (ShoppingSession::Row{u"Zutat 11"_s, u"1"_s}));
        QCOMPARE(s.rows()[2], ShoppingSession::Row{});
        QCOMPARE(s.resultLines(), (QStringList{u"2\t12\tZutat 12"_s, u"1\t11\tZutat 11"_s}));

        s.back();
        s.setBar(2);
        s.forward();
        s.analyse();
        // Bar 2 holds only 10: D and E each miss one; A, B, C miss two.
        QCOMPARE(s.resultLines(), (QStringList{u"1\t13\tZutat 13"_s, u"1\t14\tZutat 14"_s}));

        s.back();
        s.setBar(3); // empty bar: every recipe misses two
        s.forward();
        s.analyse();
        QCOMPARE(s.notice(), ShoppingSession::tooFewNotice());
        for (const ShoppingSession::Row& row : s.rows())
            QCOMPARE(row, ShoppingSession::Row{});
        QCOMPARE(s.resultLines(), QStringList{ShoppingSession::tooFewNotice().text});
    }

    // Only one ingredient would complete any drink: the notice, and no rows at all.
    void sessionOneTipIsTooFew() {
        TestTables t;
        fillIngredients(t);
        t.addRecipe({.name = u"A"_s, .lines = slotLines({1, 12})});
        t.addRecipe({.name = u"B"_s, .lines = slotLines({2, 12})});
        AppState state;
        state.catalogue.changeIngredients([&](IngredientChoices& c) { c.homeBars.fill(t.zu()); });
        ShoppingSession s(state, {t.re(), t.zu()});
        s.begin();
        s.forward();
        s.analyse();
        QCOMPARE(s.tips()[0], (ShoppingAnalysis::Tip{2, 12}));
        QCOMPARE(s.notice(), ShoppingSession::tooFewNotice());
        QCOMPARE(s.rows()[0], ShoppingSession::Row{});
    }

    // With the basic preset in bar 1, the shipped data give three tips: real ingredients outside the
    // bar, largest count first, each the sole missing ingredient of as many drinks as it says, and
    // none left out that would complete more drinks than the third.
    void shippedDataBasisGivesThreeTips() {
        TApolloEnv env;
        env.SetDeleted(true);
        TTable reTable(env), zuTable(env);
        for (auto [table, name] : {std::pair{&reTable, "RE"}, std::pair{&zuTable, "ZU"}}) {
            table->setDatabaseName(QStringLiteral(VELTA_IMAGE_DIR "/DATEN"));
            table->setTableName(QString::fromLatin1(name));
            table->setReadOnly(true);
            table->Open();
        }
        TApollo re(reTable), zu(zuTable);
        AppState state;
        state.catalogue.changeIngredients([&](IngredientChoices& c) {
            for (const ListEntry& e : HomeBarPresets::entries(HomeBarPresets::Preset::Basis, zu))
                c.homeBars.set(1, e.data, true);
        });
        const HomeBarTable& bars = state.catalogue.ingredients().homeBars;
        QCOMPARE(bars.count(1), 28);
        ShoppingSession s(state, {re, zu});
        s.begin();
        s.forward();
        s.analyse();
        QVERIFY(!s.notice());

        QHash<int, int> sole; // independent count: recipes whose only missing ingredient is the key
        for (re.GoTop(); !re.Eof(); re.Skip()) {
            QList<int> missing;
            for (const IngredientSlots::Line& l :
                 IngredientSlots(re.GetPaddedString(u"Z"_s), QString()).lines()) {
                if (!bars.contains(1, l.ingredient))
                    missing.append(l.ingredient);
            }
            if (missing.size() == 1)
                ++sole[missing.first()];
        }
        int previous = INT_MAX;
        for (size_t k = 0; k < 3; ++k) {
            const ShoppingAnalysis::Tip tip = s.tips()[k];
            QVERIFY2(tip.count > 0, qPrintable(u"rank %1"_s.arg(k + 1)));
            QVERIFY(tip.count <= previous);
            QVERIFY(!bars.contains(1, tip.number));
            QCOMPARE(tip.count, sole.value(tip.number));
            QVERIFY(!s.rows()[k].name.isEmpty());
            previous = tip.count;
        }
        for (auto it = sole.cbegin(); it != sole.cend(); ++it) {
            const bool ranked = it.key() == s.tips()[0].number || it.key() == s.tips()[1].number ||
                                it.key() == s.tips()[2].number;
            QVERIFY2(ranked || it.value() <= s.tips()[2].count, qPrintable(u"ingredient %1"_s.arg(it.key())));
        }
    }

    void veltadbEinkauf_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("out");
        QTest::newRow("bar 1") << u"1"_s << u"2\t12\tZutat 12\n1\t11\tZutat 11\n"_s;
        QTest::newRow("bar 2") << u"2"_s << u"1\t13\tZutat 13\n1\t14\tZutat 14\n"_s;
        QTest::newRow("bar 3 has too few") << u"3"_s << ShoppingSession::tooFewNotice().text + u"\n"_s;
        // A pair is two lines of one step; the last purchase brings D and E closer.
        QTest::newRow("plan of 3 for bar 1")
            << u"1 --plan 3"_s << u"1\t2\t12\tZutat 12\n2\t1\t11\tZutat 11\n3\t0\t10\tZutat 10\n"_s;
        QTest::newRow("per euro without prices: by new drinks")
            << u"1 --plan 3 --je-euro"_s << u"1\t2\t12\tZutat 12\n2\t1\t11\tZutat 11\n3\t0\t10\tZutat 10\n"_s;
        QTest::newRow("plan of 10 stops when every drink is mixable")
            << u"1 --plan 10"_s
            << u"1\t2\t12\tZutat 12\n2\t1\t11\tZutat 11\n3\t1\t10\tZutat 10\n3\t1\t13\tZutat 13\n"
               u"4\t1\t14\tZutat 14\n"_s;
        QTest::newRow("plan for the empty bar starts with a pair")
            << u"3 --plan 2"_s << u"1\t1\t1\tZutat 1\n1\t1\t12\tZutat 12\n"_s;
    }
    void veltadbEinkauf() {
        QFETCH(QString, args);
        QFETCH(QString, out);
        QTemporaryDir dir;
        writeFixture(dir.path());
        QProcess p;
        runVeltadb(p, QStringList{u"einkauf"_s, dir.path()} + args.split(u' '));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString());
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), out);
        QCOMPARE(p.exitCode(), 0);
    }

    void veltadbEinkaufBadArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("bar 0") << QStringList{u"ORDNER"_s, u"0"_s};
        QTest::newRow("bar 4") << QStringList{u"ORDNER"_s, u"4"_s};
        QTest::newRow("bar not a number") << QStringList{u"ORDNER"_s, u"eins"_s};
        QTest::newRow("no bar") << QStringList{u"ORDNER"_s};
        QTest::newRow("one too many") << QStringList{u"ORDNER"_s, u"1"_s, u"2"_s};
        QTest::newRow("no such folder") << QStringList{u"/nonexistent/velta"_s, u"1"_s};
        QTest::newRow("plan of 0") << QStringList{u"ORDNER"_s, u"1"_s, u"--plan"_s, u"0"_s};
        QTest::newRow("plan of 11") << QStringList{u"ORDNER"_s, u"1"_s, u"--plan"_s, u"11"_s};
        QTest::newRow("plan not a number") << QStringList{u"ORDNER"_s, u"1"_s, u"--plan"_s, u"drei"_s};
        QTest::newRow("plan without a count") << QStringList{u"ORDNER"_s, u"1"_s, u"--plan"_s};
        QTest::newRow("plan for bar 4") << QStringList{u"ORDNER"_s, u"4"_s, u"--plan"_s, u"3"_s};
    }
    void veltadbEinkaufBadArguments() {
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        writeFixture(dir.path());
        args.replaceInStrings(u"ORDNER"_s, dir.path());
        QProcess p;
        runVeltadb(p, QStringList{u"einkauf"_s} + args);
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardOutput().isEmpty());
        QVERIFY(!p.readAllStandardError().isEmpty());
    }

private:
    // The tables of sessionRepeatsForTheBarChosen in the given folder, closed again so that another
    // process can open them.
    static void writeFixture(const QString& folder) {
        TableSchemas::createMainTables(folder);
        TApolloEnv env;
        TTable zuTable(env), reTable(env);
        for (auto [table, name] : {std::pair{&zuTable, "ZU"}, std::pair{&reTable, "RE"}}) {
            table->setDatabaseName(folder);
            table->setTableName(QString::fromLatin1(name));
            table->Open();
        }
        TApollo zu(zuTable), re(reTable);
        for (int n : numberRange(1, 20)) {
            zu.AppendBlank();
            zu.ReplaceInteger(u"INDEX"_s, n);
            zu.ReplaceText(u"NAME"_s, u"Zutat %1"_s.arg(n));
            zu.ReplaceLogical(u"H1"_s, n <= 5);
            zu.ReplaceLogical(u"H2"_s, n == 10);
            zu.Commit();
        }
        for (const QList<int>& numbers : QList<QList<int>>{{1, 12}, {2, 12}, {3, 11}, {10, 13}, {10, 14}}) {
            re.AppendBlank();
            re.ReplaceText(u"NAME"_s, u"Drink"_s);
            re.ReplaceText(u"Z"_s, packedZ(numbers));
            re.Commit();
        }
        zuTable.Close();
        reTable.Close();
    }
};

VELTA_TEST_MAIN_CORE(TestShoppingSession)
#include "tst_shoppingsession.moc"
