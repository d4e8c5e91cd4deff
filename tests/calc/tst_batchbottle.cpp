#include "TempDataFolder.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "VeltadbRun.h"
#include "calc/BatchBottle.h"
#include "calc/QuantitySession.h"

using namespace Qt::StringLiterals;
using Lines = QList<QuantityRecipe::Line>;
Q_DECLARE_METATYPE(Lines)

namespace {

QuantityRecipe recipe(const Lines& lines) {
    return {u"Probe"_s, lines};
}

} // namespace

// "Vorratsflasche" against hand computations: the melt water of shaking (30 %) and stirring (25 %),
// dashes as millilitres, sparkling ingredients kept for the glass, and nothing for built drinks.
class TestBatchBottle : public QObject {
    Q_OBJECT

private slots:
    void plans_data() {
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<QString>("instructions");
        QTest::addColumn<int>("bottleMl");
        QTest::addColumn<QStringList>("expected");
        const QString shake = u"Alles mit Eis kräftig schütteln und abseihen."_s;
        // 6 cl rum, 2 cl lime: 80 ml, shaken 104 ml a glass; 700 ml hold 6,73 glasses.
        QTest::newRow("shaken daiquiri, 0,7 l")
            << Lines{{1, 6, u"Weißer Rum"_s, UnitKind::Cl, 40},
                     {2, 2, u"Limettensaft"_s, UnitKind::Cl, 0},
                     {3, 8, u"Zucker"_s, UnitKind::Gram, 0}}
            << shake << 700
            << QStringList{u"404\tml\tWeißer Rum"_s, u"135\tml\tLimettensaft"_s, u"54\tg\tZucker"_s,
                           u"162\tml\tWasser"_s, u"je Glas: 104 ml"_s};
        // 5 cl gin, 1 cl vermouth and 12 dashes of bitters at 12 to the cl: 70 ml, stirred 87,5 ml
        // a glass; a litre holds 11,43 glasses.
        QTest::newRow("stirred, dashes in ml, 1 l")
            << Lines{{1, 5, u"Gin"_s, UnitKind::Cl, 40},
                     {2, 1, u"Wermut"_s, UnitKind::Cl, 15},
                     {3, 12, u"Orangenbitter"_s, UnitKind::Dash, 40},
                     {4, 0, u"Eiswürfel"_s, UnitKind::None, 0}}
            << u"Im Rührglas auf Eis kalt rühren."_s << 1000
            << QStringList{u"571\tml\tGin"_s, u"114\tml\tWermut"_s, u"114\tml\tOrangenbitter"_s,
                           u"200\tml\tWasser"_s, u"je Glas: 88 ml"_s};
        // Built on ice: no water; the soda waits for the glass.
        QTest::newRow("built, soda at serving")
            << Lines{{1, 4, u"Gin"_s, UnitKind::Cl, 40},
                     {2, 10, u"Soda"_s, UnitKind::Cl, 0},
                     {3, 1, u"Limette"_s, UnitKind::Piece, 0},
                     {4, 0, u"Eiswürfel"_s, UnitKind::None, 0}}
            << u"Im Glas auf Eis aufgießen."_s << 500
            << QStringList{u"500\tml\tGin"_s, u"13\tSt\tLimette"_s, u"0\tml\tWasser"_s, u"je Glas: 40 ml"_s,
                           u"beim Servieren: 100 ml Soda je Glas"_s};
    }
    void plans() {
        QFETCH(Lines, lines);
        QFETCH(QString, instructions);
        QFETCH(int, bottleMl);
        QFETCH(QStringList, expected);
        const QStringList got =
            BatchBottle::lines(BatchBottle::make(recipe(lines), instructions, bottleMl, 12));
        QCOMPARE(got.mid(0, expected.size()), expected);
        QCOMPARE(got.size(), expected.size() + 1); // and how to serve
    }

    // Only sparkling or nothing still: nothing to bottle. The quantity calculator says so, and asks
    // for a volume when the quantity is in pieces.
    void nothingToBottle() {
        const BatchBottle::Plan plan = BatchBottle::make(
            recipe({{1, 10, u"Sekt"_s, UnitKind::Cl, 11}, {2, 1, u"Erdbeere"_s, UnitKind::Piece, 0}}), {},
            700, 12);
        QVERIFY(plan.empty);
        TestTables t;
        t.addIngredient({1, u"Sekt"_s, 0, 11});
        t.addRecipe({u"Sekt pur"_s, {{1, 10}}});
        QuantitySession s(t.re(), t.zu());
        QVERIFY(s.begin(1));
        QCOMPARE(s.recompute(u"1"_s, QuantitySession::Unit::Liter, false, true).output,
                 BatchBottle::nothingToBottleText());
        QCOMPARE(s.recompute(u"1"_s, QuantitySession::Unit::Stueck, false, true).output,
                 QuantitySession::batchNeedsVolumeText());
    }

    // Shown in oz, the calculator's bottle is in ounces (404 ml are 54,65 quarters, 135 ml 18,26, the
    // water 21,91, a glass of 104 ml 14,07); the plan itself stays in ml.
    void bottleInOunces() {
        TestTables t;
        t.addIngredient({1, u"Weißer Rum"_s, 0, 40});
        t.addIngredient({2, u"Limettensaft"_s});
        t.addRecipe(
            {.name = u"Daiquiri"_s, .lines = {{1, 6}, {2, 2}}, .instructions = u"Kräftig schütteln."_s});
        QuantitySession s(t.re(), t.zu());
        s.setShownUnit(DisplayUnit::Oz);
        QVERIFY(s.begin(1));
        const QString out = s.recompute(u"700"_s, QuantitySession::Unit::Milliliter, false, true).output;
        QVERIFY2(out.startsWith(u"13¾ oz Weißer Rum\r\n4½ oz Limettensaft\r\n5½ oz Wasser\r\n\r\n"
                                u"Je Glas 3½ oz einschenken (ca. 6,7 Gläser).\r\n"_s),
                 qPrintable(out));
        s.setShownUnit(DisplayUnit::Ml);
        QVERIFY(s.recompute(u"700"_s, QuantitySession::Unit::Milliliter, false, true)
                    .output.startsWith(u"404 ml Weißer Rum\r\n135 ml Limettensaft\r\n162 ml Wasser\r\n"_s));
    }

    // The verb prints the plan of the recipe read from the tables, with its instructions.
    void verb() {
        TestTables t;
        t.addIngredient({1, u"Weißer Rum"_s, 0, 40});
        t.addIngredient({2, u"Limettensaft"_s});
        t.addRecipe(
            {.name = u"Daiquiri"_s, .lines = {{1, 6}, {2, 2}}, .instructions = u"Kräftig schütteln."_s});
        TempDataFolder folder;
        QVERIFY(TempDataFolder::copyFolder(t.path(), folder.path()));
        const VeltadbRun run = VeltadbRun::of({u"vorrat"_s, folder.path(), u"1"_s, u"700"_s});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.split(u'\n').mid(0, 4),
                 (QStringList{u"404\tml\tWeißer Rum"_s, u"135\tml\tLimettensaft"_s, u"162\tml\tWasser"_s,
                              u"je Glas: 104 ml"_s}));
        for (const QStringList& bad : {QStringList{u"vorrat"_s, folder.path(), u"9"_s, u"700"_s},
                                       QStringList{u"vorrat"_s, folder.path(), u"1"_s, u"viel"_s}}) {
            const VeltadbRun refused = VeltadbRun::of(bad);
            QCOMPARE(refused.code, 2);
            QVERIFY(refused.err.startsWith(u"veltadb: "_s));
        }
    }
};

VELTA_TEST_MAIN_CORE(TestBatchBottle)
#include "tst_batchbottle.moc"
