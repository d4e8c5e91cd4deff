#include "VeltaTest.h"
#include "common/BarCoverage.h"

using namespace Qt::StringLiterals;

namespace {

// A small ingredient table: numbers and names as the choice lists carry them.
const QList<ListEntry> kNames = {
    {u"Eiswürfel"_s, 1},           {u"Zitronensaft"_s, 4}, {u"Limettensaft"_s, 5},    {u"Zucker"_s, 231},
    {u"Zuckersirup"_s, 10},        {u"Weißer Rum"_s, 26},  {u"Rhum Agricole"_s, 116}, {u"Gin"_s, 48},
    {u"Navy Strength Gin"_s, 142}, {u"Wodka"_s, 45},       {u"Zitronenwodka"_s, 145}};

const QString kRules =
    u"# Kommentar\n"
    "Limettensaft <- Zitronensaft\n"
    "Zuckersirup <- Zucker\n"
    "Weißer Rum <- Rhum Agricole\n"
    "Gin = Navy Strength Gin\n"
    // Only for the test of one level: lemon juice from rhum is nonsense, the chain is the point.
    "Zitronensaft <- Zuckersirup\n"_s;

} // namespace

class TestBarCoverage : public QObject {
    Q_OBJECT

private slots:
    // What a recipe needs against what the bar holds, with both switches in every setting.
    void mixable_data() {
        QTest::addColumn<QList<int>>("bar");
        QTest::addColumn<QList<int>>("recipe");
        QTest::addColumn<bool>("substitutes");
        QTest::addColumn<bool>("basics");
        QTest::addColumn<bool>("mixable");
        // Both switches off: exactly the bar.
        QTest::newRow("off: bar has all") << QList<int>{26, 5} << QList<int>{26, 5} << false << false << true;
        QTest::newRow("off: stand-in ignored")
            << QList<int>{26, 4} << QList<int>{26, 5} << false << false << false;
        QTest::newRow("off: basic ignored") << QList<int>{26} << QList<int>{26, 1} << false << false << false;
        // Substitutes.
        QTest::newRow("lemon for lime") << QList<int>{26, 4} << QList<int>{26, 5} << true << false << true;
        QTest::newRow("not lime for lemon")
            << QList<int>{26, 5} << QList<int>{26, 4} << true << false << false;
        QTest::newRow("agricole for white rum") << QList<int>{116} << QList<int>{26} << true << false << true;
        QTest::newRow("not white rum for agricole")
            << QList<int>{26} << QList<int>{116} << true << false << false;
        QTest::newRow("family both ways 1") << QList<int>{142} << QList<int>{48} << true << false << true;
        QTest::newRow("family both ways 2") << QList<int>{48} << QList<int>{142} << true << false << true;
        QTest::newRow("stand-in missing too")
            << QList<int>{26} << QList<int>{26, 5} << true << false << false;
        QTest::newRow("flavoured vodka no vodka")
            << QList<int>{145} << QList<int>{45} << true << true << false;
        // One level only: sugar covers syrup, syrup would cover lemon, lemon would cover lime.
        QTest::newRow("not transitive") << QList<int>{231} << QList<int>{4} << true << false << false;
        QTest::newRow("first level of chain") << QList<int>{231} << QList<int>{10} << true << false << true;
        // Basics.
        QTest::newRow("basic ice") << QList<int>{26} << QList<int>{26, 1} << false << true << true;
        QTest::newRow("basic on empty bar") << QList<int>{} << QList<int>{1, 231} << false << true << true;
        QTest::newRow("basic sugar covers syrup") << QList<int>{} << QList<int>{10} << true << true << true;
        QTest::newRow("basic sugar, substitutes off")
            << QList<int>{} << QList<int>{10} << false << true << false;
    }
    void mixable() {
        QFETCH(QList<int>, bar);
        QFETCH(QList<int>, recipe);
        QFETCH(bool, substitutes);
        QFETCH(bool, basics);
        QFETCH(bool, mixable);
        HomeBarTable bars;
        for (const int n : bar)
            bars.set(2, n, true);
        const Substitutes resolved = Substitutes::resolve(SubstituteFile::parse(kRules), kNames);
        BarSettings settings;
        settings.allowSubstitutes = substitutes;
        settings.alwaysAtHome = basics;
        settings.basics = {1, 231};
        const BarCoverage coverage(bars, resolved, settings);
        IngredientSet wanted;
        for (const int n : recipe)
            wanted.set(size_t(n));
        QCOMPARE((wanted & ~coverage.present(2)).none(), mixable);
        // Another bar holds nothing of it.
        if (!basics && !bar.isEmpty())
            QVERIFY((coverage.present(1) & wanted).none());
    }

    // With both switches off the set is the bar's own, whatever the rules and basics say.
    void bothOffIsTheBar() {
        HomeBarTable bars;
        for (const int n : {4, 116, 231, 1500})
            bars.set(3, n, true);
        const Substitutes resolved = Substitutes::resolve(SubstituteFile::parse(kRules), kNames);
        const BarSettings settings;
        QCOMPARE(BarCoverage(bars, resolved, settings).present(3), bars.present(3));
    }

    // Lines that cannot be used are reported with their number and skipped as a whole; the rest counts.
    void fileProblems_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("badLines");
        QTest::addColumn<bool>("limeFromLemon");
        QTest::newRow("clean") << kRules << QList<int>{} << true;
        QTest::newRow("case ignored") << u"LIMETTENSAFT <- zitronensaft\r\n"_s << QList<int>{} << true;
        QTest::newRow("unknown stand-in skips the line")
            << u"Limettensaft <- Zitronensaft, Limettenpulver\n"_s << QList<int>{1} << false;
        QTest::newRow("unknown in family")
            << u"# x\nGin = Genever\nLimettensaft <- Zitronensaft\n"_s << QList<int>{2} << true;
        QTest::newRow("no operator") << u"Limettensaft Zitronensaft\nLimettensaft <- Zitronensaft"_s
                                     << QList<int>{1} << true;
        QTest::newRow("empty side") << u"<- Zitronensaft\nGin =\nLimettensaft <- , Zitronensaft"_s
                                    << QList<int>{1, 2, 3} << false;
        QTest::newRow("mixed operators") << u"Gin = Wodka <- Zitronensaft"_s << QList<int>{1} << false;
    }
    void fileProblems() {
        QFETCH(QString, text);
        QFETCH(QList<int>, badLines);
        QFETCH(bool, limeFromLemon);
        QList<SubstituteFile::Problem> problems;
        const Substitutes resolved = Substitutes::resolve(SubstituteFile::parse(text), kNames, &problems);
        QList<int> lines;
        for (const SubstituteFile::Problem& p : problems) {
            lines << p.line;
            QVERIFY(!p.text.isEmpty());
        }
        QCOMPARE(lines, badLines);
        IngredientSet lemon;
        lemon.set(4);
        QCOMPARE(resolved.cover(lemon).test(5), limeFromLemon);
    }

    void unknownNameIsNamed() {
        QList<SubstituteFile::Problem> problems;
        Substitutes::resolve(SubstituteFile::parse(u"\nGin = Genever"_s), kNames, &problems);
        QCOMPARE(problems, (QList<SubstituteFile::Problem>{{2, u"unbekannte Zutat „Genever“"_s}}));
    }
};

VELTA_TEST_MAIN_CORE(TestBarCoverage)
#include "tst_barcoverage.moc"
