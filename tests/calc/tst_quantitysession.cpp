#include "TestTables.h"
#include "VeltaTest.h"
#include "calc/QuantitySession.h"
#include "common/HalfEven.h"

using namespace Qt::StringLiterals;
using Unit = QuantitySession::Unit;
Q_DECLARE_METATYPE(Unit)

namespace {

QuantityRecipe daiquiri() {
    return {u"Daiquiri"_s, {{1, 4, u"Weißer Rum"_s, UnitKind::Cl}, {2, 2, u"Limettensaft"_s, UnitKind::Cl}}};
}

QString lines(std::initializer_list<const char16_t*> items) {
    QString out;
    for (const char16_t* item : items)
        out += QString::fromUtf16(item) + u"\r\n"_s;
    return out;
}

// A session over empty tables, for the arithmetic on a given recipe.
struct Calc {
    TestTables t;
    QuantitySession s{t.re(), t.zu()};
    explicit Calc(const QuantityRecipe& recipe) { s.setRecipe(recipe); }
};

} // namespace

class TestQuantitySession : public QObject {
    Q_OBJECT

private slots:
    void halfEven_data() {
        QTest::addColumn<qint64>("numerator");
        QTest::addColumn<qint64>("denominator");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("2.5 gives 2") << qint64(5) << qint64(2) << qint64(2);
        QTest::newRow("3.5 gives 4") << qint64(7) << qint64(2) << qint64(4);
        QTest::newRow("37.87 gives 38") << qint64(2272) << qint64(60) << qint64(38);
        QTest::newRow("just below a half") << qint64(249) << qint64(100) << qint64(2);
        QTest::newRow("-2.5 gives -2") << qint64(-5) << qint64(2) << qint64(-2);
        QTest::newRow("-3.5 gives -4") << qint64(-7) << qint64(2) << qint64(-4);
        QTest::newRow("beyond 32 bits") << qint64(99990000000001) << qint64(10) << qint64(9999000000000);
    }
    void halfEven() {
        QFETCH(qint64, numerator);
        QFETCH(qint64, denominator);
        QFETCH(qint64, rounded);
        QCOMPARE(HalfEven::divide(numerator, denominator), rounded);
    }

    void scaling_data() {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<Unit>("unit");
        QTest::addColumn<bool>("litres");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("output");
        QTest::newRow("3 pieces") << u"3"_s << Unit::Stueck << false << u"3 Daiquiri"_s
                                  << lines({u"12 cl Weißer Rum", u"6 cl Limettensaft"});
        QTest::newRow("30 cl is five drinks") << u"30"_s << Unit::Centiliter << false << u"30 cl Daiquiri"_s
                                              << lines({u"20 cl Weißer Rum", u"10 cl Limettensaft"});
        QTest::newRow("30 cl in litres") << u"30"_s << Unit::Centiliter << true << u"30 cl Daiquiri"_s
                                         << lines({u"0,20 Liter Weißer Rum", u"0,10 Liter Limettensaft"});
        QTest::newRow("120 ml in millilitres")
            << u"120"_s << Unit::Milliliter << false << u"120 ml Daiquiri"_s
            << lines({u"80 ml Weißer Rum", u"40 ml Limettensaft"});
        QTest::newRow("50 ml is less than a drink")
            << u"50"_s << Unit::Milliliter << false << u"50 ml Daiquiri"_s
            << u"Wählen Sie eine größere Menge"_s;
        QTest::newRow("60 ml is exactly one drink")
            << u"60"_s << Unit::Milliliter << false << u"60 ml Daiquiri"_s
            << lines({u"40 ml Weißer Rum", u"20 ml Limettensaft"});
        QTest::newRow("a pint") << u"1"_s << Unit::Pint << false << u"1 Pint Daiquiri"_s
                                << lines({u"38 cl Weißer Rum", u"19 cl Limettensaft"});
        QTest::newRow("a pint in litres") << u"1"_s << Unit::Pint << true << u"1 Pint Daiquiri"_s
                                          << lines({u"0,38 Liter Weißer Rum", u"0,19 Liter Limettensaft"});
        QTest::newRow("a litre") << u"1"_s << Unit::Liter << false << u"1 Liter Daiquiri"_s
                                 << lines({u"67 cl Weißer Rum", u"33 cl Limettensaft"});
        QTest::newRow("pieces in litres") << u"25"_s << Unit::Stueck << true << u"25 Daiquiri"_s
                                          << lines({u"1,00 Liter Weißer Rum", u"0,50 Liter Limettensaft"});
        QTest::newRow("0 counts as 1") << u"0"_s << Unit::Stueck << false << u"1 Daiquiri"_s
                                       << lines({u"4 cl Weißer Rum", u"2 cl Limettensaft"});
        QTest::newRow("not a number counts as 1") << u"x"_s << Unit::Stueck << false << u"1 Daiquiri"_s
                                                  << lines({u"4 cl Weißer Rum", u"2 cl Limettensaft"});
        QTest::newRow("negative counts as 1") << u"-5"_s << Unit::Centiliter << false << u"1 cl Daiquiri"_s
                                              << u"Wählen Sie eine größere Menge"_s;
    }
    void scaling() {
        QFETCH(QString, quantity);
        QFETCH(Unit, unit);
        QFETCH(bool, litres);
        Calc c(daiquiri());
        const QuantitySession::Result& r = c.s.recompute(quantity, unit, litres);
        QTEST(r.heading, "heading");
        QTEST(r.output, "output");
    }

    void fieldCorrection_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("field");
        QTest::newRow("valid stays") << u"12"_s << QString();
        QTest::newRow("leading zeros stay") << u"007"_s << QString();
        QTest::newRow("0 becomes 1") << u"0"_s << u"1"_s;
        QTest::newRow("letters become 1") << u"ab"_s << u"1"_s;
        QTest::newRow("beyond the field's range") << u"123456"_s << u"9999"_s;
    }
    void fieldCorrection() {
        QFETCH(QString, typed);
        Calc c(daiquiri());
        QTEST(c.s.recompute(typed, Unit::Stueck, false).field, "field");
    }

    // Halves go to the even neighbour: 10 cl of a 1 + 3 cl recipe is 2.5 drinks.
    void halvesGoToEven() {
        Calc c({u"Halb"_s, {{1, 1, u"A"_s, UnitKind::Cl}, {2, 3, u"B"_s, UnitKind::Cl}}});
        QCOMPARE(c.s.recompute(u"10"_s, Unit::Centiliter, false).output, lines({u"2 cl A", u"8 cl B"}));
        QCOMPARE(c.s.recompute(u"10"_s, Unit::Centiliter, true).output,
                 lines({u"0,02 Liter A", u"0,08 Liter B"}));
    }

    void otherUnitsAreScaledInTheirOwnUnit() {
        Calc c({u"Mojito"_s,
                {{1, 5, u"Rum"_s, UnitKind::Cl},
                 {2, 1, u"Limette"_s, UnitKind::Piece},
                 {3, 2, u"Angostura"_s, UnitKind::Dash},
                 {4, 10, u"Zucker"_s, UnitKind::Gram},
                 {5, 0, u"Crushed Ice"_s, UnitKind::None},
                 {6, 0, u"Minze"_s, UnitKind::Piece}}});
        const QString expected = lines({u"10 cl Rum", u"2 St Limette", u"4 dash Angostura", u"20 g Zucker",
                                        u"Crushed Ice", u"St Minze"});
        QCOMPARE(c.s.recompute(u"2"_s, Unit::Stueck, false).output, expected);
        // 150 ml fill three drinks of 5 cl; grams stay grams in the millilitre output.
        QCOMPARE(c.s.recompute(u"150"_s, Unit::Milliliter, false).output,
                 lines({u"150 ml Rum", u"3 St Limette", u"6 dash Angostura", u"30 g Zucker", u"Crushed Ice",
                        u"St Minze"}));
    }

    // The output in cl follows the shown unit (10 cl are 13,53 quarters of an ounce, 30 cl 40,58);
    // litres and the other units stay.
    void shownUnit() {
        Calc c({u"Mojito"_s,
                {{1, 5, u"Rum"_s, UnitKind::Cl},
                 {2, 1, u"Limette"_s, UnitKind::Piece},
                 {3, 2, u"Angostura"_s, UnitKind::Dash}}});
        c.s.setShownUnit(DisplayUnit::Oz);
        QCOMPARE(c.s.recompute(u"2"_s, Unit::Stueck, false).output,
                 lines({u"3½ oz Rum", u"2 St Limette", u"4 dash Angostura"}));
        QCOMPARE(c.s.recompute(u"30"_s, Unit::Centiliter, false).output,
                 lines({u"10¼ oz Rum", u"6 St Limette", u"12 dash Angostura"}));
        QCOMPARE(c.s.recompute(u"2"_s, Unit::Stueck, true).output,
                 lines({u"0,10 Liter Rum", u"2 St Limette", u"4 dash Angostura"}));
        c.s.setShownUnit(DisplayUnit::Ml);
        QCOMPARE(c.s.recompute(u"2"_s, Unit::Stueck, false).output,
                 lines({u"100 ml Rum", u"2 St Limette", u"4 dash Angostura"}));
    }

    // Without cl ingredients a volume cannot be divided into drinks.
    void volumeWithoutClIngredients() {
        Calc c({u"Bitter"_s, {{1, 3, u"Angostura"_s, UnitKind::Dash}}});
        QCOMPARE(c.s.recompute(u"1"_s, Unit::Liter, false).output, QuantitySession::noVolumeText());
        QCOMPARE(c.s.recompute(u"4"_s, Unit::Stueck, false).output, lines({u"12 dash Angostura"}));
    }

    // The largest quantity over the smallest volume does not overflow.
    void largestScale() {
        Calc c({u"Groß"_s, {{1, 1, u"A"_s, UnitKind::Cl}, {2, 9999, u"Z"_s, UnitKind::Gram}}});
        QCOMPARE(c.s.recompute(u"9999"_s, Unit::Liter, false).output,
                 lines({u"999900 cl A", u"9998000100 g Z"}));
    }

    void clipboardText() {
        Calc c(daiquiri());
        c.s.recompute(u"3"_s, Unit::Stueck, false);
        QCOMPARE(c.s.clipboardText(), u"3 Daiquiri\r\n\r\n12 cl Weißer Rum\r\n6 cl Limettensaft\r\n"_s);
    }

    void loadingFromTables() {
        TestTables t;
        t.addIngredient({.number = 12, .name = u"Weißer Rum"_s, .kind = 0, .alcohol = 40});
        t.addIngredient({.number = 61, .name = u"Angostura"_s, .kind = 4, .alcohol = 45});
        t.addIngredient({.number = 1, .name = u"Crushed Ice"_s, .kind = 3});
        t.addRecipe({.name = u"Test"_s, .lines = {{12, 5}, {61, 2}, {77, 3}, {1, 0}, {12, 1}}});
        const QuantityRecipe r = QuantityRecipe::load(t.re(), t.zu(), 1);
        QCOMPARE(r.name, u"Test"_s);
        QCOMPARE(r.lines.size(), 5);
        QCOMPARE(r.lines.at(1).name, u"Angostura"_s);
        QCOMPARE(r.lines.at(1).unit, int(UnitKind::Dash));
        // The missing ingredient 77 keeps an empty name and adds nothing.
        QCOMPARE(r.lines.at(2).name, QString());
        QCOMPARE(r.lines.at(2).unit, int(UnitKind::None));
        QCOMPARE(r.volumeCl(), qint64(6));
    }

    void twentyLines() {
        TestTables t;
        QList<IngredientSlots::Line> lines;
        for (int n = 1; n <= 21; ++n) {
            t.addIngredient({.number = n, .name = u"Zutat %1"_s.arg(n)});
            lines.append({n, n});
        }
        t.addRecipe({.name = u"Zwanzig"_s, .lines = lines});
        QuantitySession s(t.re(), t.zu());
        QVERIFY(s.begin(1));
        QVERIFY(!s.begin(2));
        QVERIFY(!s.begin(0));
        const QStringList out = s.recompute(u"2"_s, Unit::Stueck, false).output.split(u"\r\n"_s);
        QCOMPARE(out.size(), 21); // 20 lines and the empty rest after the last line end
        QCOMPARE(out.at(19), u"40 cl Zutat 20"_s);
    }
};

VELTA_TEST_MAIN_CORE(TestQuantitySession)
#include "tst_quantitysession.moc"
