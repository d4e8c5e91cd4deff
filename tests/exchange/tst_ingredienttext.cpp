#include "VeltaTest.h"
#include "exchange/IngredientText.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ExchangeRecipe::Line)

namespace {

ExchangeRecipe::Line line(double amount, Measure::Unit unit, const char* name) {
    return {amount, unit, QString::fromUtf8(name), {}};
}

} // namespace

// Ingredient lines: ours read back exactly; the ways recipe sites write amounts read as the amount
// they mean; each unit converts into the unit an ingredient is stored in, rounded to whole units.
class TestIngredientText : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<ExchangeRecipe::Line>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("cl") << line(4, Measure::Cl, "Weißer Rum") << u"4 cl Weißer Rum"_s;
        QTest::newRow("gram") << line(15, Measure::Gram, "Zucker") << u"15 g Zucker"_s;
        QTest::newRow("piece") << line(2, Measure::Piece, "Limette") << u"2 St Limette"_s;
        QTest::newRow("dash") << line(3, Measure::Dash, "Angostura") << u"3 dash Angostura"_s;
        QTest::newRow("amount 0") << line(0, Measure::Cl, "Soda") << u"0 cl Soda"_s;
        QTest::newRow("largest amount") << line(9999, Measure::Gram, "Eis") << u"9999 g Eis"_s;
        QTest::newRow("no amount") << line(0, Measure::None, "Eiswürfel") << u"Eiswürfel"_s;
        QTest::newRow("name with digits and brackets")
            << line(2, Measure::Cl, "Licor 43 (Cuarenta y Tres)") << u"2 cl Licor 43 (Cuarenta y Tres)"_s;
        QTest::newRow("name with a percentage")
            << line(4, Measure::Cl, "Inländerrum 80 %") << u"4 cl Inländerrum 80 %"_s;
        QTest::newRow("fraction of a foreign unit")
            << line(0.75, Measure::Oz, "simple syrup") << u"0.75 oz simple syrup"_s;
    }
    void roundTrip() {
        QFETCH(ExchangeRecipe::Line, line);
        QFETCH(QString, text);
        QCOMPARE(IngredientText::format(line), text);
        const std::optional<ExchangeRecipe::Line> read = IngredientText::parse(text);
        QVERIFY(read.has_value());
        QCOMPARE(IngredientText::format(*read), text);
        QVERIFY(*read == line);
    }

    void webSpellings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ExchangeRecipe::Line>("line");
        QTest::newRow("unit in capitals") << u"4 CL Gin"_s << line(4, Measure::Cl, "Gin");
        QTest::newRow("extra blanks") << u"  2   st  Limette "_s << line(2, Measure::Piece, "Limette");
        QTest::newRow("unit without blank") << u"4cl Gin"_s << line(4, Measure::Cl, "Gin");
        QTest::newRow("ml") << u"50 ml Wodka"_s << line(50, Measure::Ml, "Wodka");
        QTest::newRow("litre") << u"0,5 l Orangensaft"_s << line(0.5, Measure::Liter, "Orangensaft");
        QTest::newRow("oz with full stop") << u"2 oz. gin"_s << line(2, Measure::Oz, "gin");
        QTest::newRow("fl oz") << u"1 fl oz dry vermouth"_s << line(1, Measure::Oz, "dry vermouth");
        QTest::newRow("ounces of") << u"2 ounces of rye whiskey"_s << line(2, Measure::Oz, "rye whiskey");
        QTest::newRow("decimal comma") << u"1,5 cl Zuckersirup"_s << line(1.5, Measure::Cl, "Zuckersirup");
        QTest::newRow("decimal point") << u"0.75 oz lime juice"_s << line(0.75, Measure::Oz, "lime juice");
        QTest::newRow("decimal without zero")
            << u".5 oz honey syrup"_s << line(0.5, Measure::Oz, "honey syrup");
        QTest::newRow("unicode fraction") << u"½ oz simple syrup"_s << line(0.5, Measure::Oz, "simple syrup");
        QTest::newRow("unicode fraction after digit")
            << u"1½ oz bourbon"_s << line(1.5, Measure::Oz, "bourbon");
        QTest::newRow("three quarters") << u"¾ oz lemon juice"_s << line(0.75, Measure::Oz, "lemon juice");
        QTest::newRow("mixed number") << u"1 1/2 oz rye whiskey"_s << line(1.5, Measure::Oz, "rye whiskey");
        QTest::newRow("fraction") << u"1/4 oz maraschino"_s << line(0.25, Measure::Oz, "maraschino");
        QTest::newRow("fraction slash") << u"1⁄2 oz triple sec"_s << line(0.5, Measure::Oz, "triple sec");
        QTest::newRow("range with en dash")
            << u"1–2 dashes Angostura bitters"_s << line(1.5, Measure::Dash, "Angostura bitters");
        QTest::newRow("range with to") << u"2 to 3 mint sprigs"_s << line(2.5, Measure::Piece, "mint sprigs");
        QTest::newRow("range with bis") << u"4 bis 6 cl Soda"_s << line(5, Measure::Cl, "Soda");
        QTest::newRow("Spritzer") << u"2 Spritzer Angostura"_s << line(2, Measure::Dash, "Angostura");
        QTest::newRow("dash with article")
            << u"a dash of orange bitters"_s << line(1, Measure::Dash, "orange bitters");
        QTest::newRow("German article") << u"eine Limette"_s << line(1, Measure::Piece, "Limette");
        QTest::newRow("Schuss") << u"1 Schuss Sahne"_s << line(1, Measure::Splash, "Sahne");
        QTest::newRow("barspoon") << u"1 barspoon maraschino"_s << line(1, Measure::Barspoon, "maraschino");
        QTest::newRow("bar spoon") << u"1 bar spoon sugar syrup"_s
                                   << line(1, Measure::Barspoon, "sugar syrup");
        QTest::newRow("Barlöffel") << u"2 Barlöffel Zuckersirup"_s
                                   << line(2, Measure::Barspoon, "Zuckersirup");
        QTest::newRow("teaspoon") << u"1 tsp sugar"_s << line(1, Measure::Teaspoon, "sugar");
        QTest::newRow("TL") << u"2 TL Rohrzucker"_s << line(2, Measure::Teaspoon, "Rohrzucker");
        QTest::newRow("tablespoon") << u"1 tbsp honey"_s << line(1, Measure::Tablespoon, "honey");
        QTest::newRow("EL") << u"1 EL Honig"_s << line(1, Measure::Tablespoon, "Honig");
        QTest::newRow("drops") << u"3 drops orange flower water"_s
                               << line(3, Measure::Drop, "orange flower water");
        QTest::newRow("Tropfen") << u"5 Tropfen Rosenwasser"_s << line(5, Measure::Drop, "Rosenwasser");
        QTest::newRow("pinch") << u"1 Prise Salz"_s << line(1, Measure::Pinch, "Salz");
        QTest::newRow("pieces without unit") << u"1 Limette"_s << line(1, Measure::Piece, "Limette");
        QTest::newRow("pieces in English") << u"2 lime wedges"_s << line(2, Measure::Piece, "lime wedges");
        QTest::newRow("amount in brackets") << u"Gin (4 cl)"_s << line(4, Measure::Cl, "Gin");
        QTest::newRow("pieces in brackets") << u"Limetten (2)"_s << line(2, Measure::Piece, "Limetten");
        QTest::newRow("second measure in brackets") << u"2 oz (60 ml) gin"_s << line(2, Measure::Oz, "gin");
        QTest::newRow("measure at the end") << u"Limettensaft 2 cl"_s << line(2, Measure::Cl, "Limettensaft");
        QTest::newRow("measure after a colon") << u"Weißer Rum: 4 cl"_s << line(4, Measure::Cl, "Weißer Rum");
        QTest::newRow("approximately") << u"ca. 10 cl Ginger Beer"_s << line(10, Measure::Cl, "Ginger Beer");
        QTest::newRow("note after a comma") << u"Soda, to top"_s << line(0, Measure::None, "Soda, to top");
        QTest::newRow("no brackets measure")
            << u"Orange (Scheibe)"_s << line(0, Measure::None, "Orange (Scheibe)");
        QTest::newRow("number in the name, no unit")
            << u"Demerara Rum 151"_s << line(0, Measure::None, "Demerara Rum 151");
        QTest::newRow("separators after the name")
            << u"5 cl Weißer Rum ;;;\t;"_s << line(5, Measure::Cl, "Weißer Rum");
    }
    void webSpellings() {
        QFETCH(QString, text);
        QFETCH(ExchangeRecipe::Line, line);
        const std::optional<ExchangeRecipe::Line> read = IngredientText::parse(text);
        QVERIFY(read.has_value());
        QCOMPARE(read->ingredient, line.ingredient);
        QCOMPARE(int(read->unit), int(line.unit));
        QCOMPARE(read->amount, line.amount);
        QVERIFY(read->unread.isEmpty());
        // What we would write for it reads back the same.
        QVERIFY(IngredientText::parse(IngredientText::format(*read)) == read);
    }

    // An amount that cannot be read: the name is kept, the text is named.
    void unreadable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("fraction over zero") << u"1/0 oz gin"_s << u"gin"_s;
        QTest::newRow("slash without denominator") << u"3/ cl Rum"_s << u"Rum"_s;
        QTest::newRow("two points") << u"1.5.3 cl Gin"_s << u"Gin"_s;
        QTest::newRow("open range") << u"2- cl Wodka"_s << u"Wodka"_s;
    }
    void unreadable() {
        QFETCH(QString, text);
        QFETCH(QString, name);
        const std::optional<ExchangeRecipe::Line> read = IngredientText::parse(text);
        QVERIFY(read.has_value());
        QCOMPARE(read->ingredient, name);
        QCOMPARE(read->unread, text);
        QCOMPARE(IngredientText::format(*read), text);
        QVERIFY(!IngredientText::parse(u" \u00A0 "_s).has_value());
    }

    // Each unit into each unit kind it converts to: 1 oz = 2.957 cl, 1 dash = 1/12 cl here, a
    // barspoon and a teaspoon 0.5 cl, a tablespoon 1.5 cl, a drop 0.005 cl, 1 cl = 10 g; whole
    // units with halves up, above 0 at least 1.
    void conversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("amount");                                          // -1: does not convert
        QTest::newRow("2 oz") << u"2 oz gin"_s << int(UnitKind::Cl) << 6;         // 5.914
        QTest::newRow("1 1/2 oz") << u"1 1/2 oz gin"_s << int(UnitKind::Cl) << 4; // 4.4355
        QTest::newRow("3/4 oz") << u"¾ oz lime"_s << int(UnitKind::Cl) << 2;      // 2.21775
        QTest::newRow("1/2 oz") << u"½ oz syrup"_s << int(UnitKind::Cl) << 1;     // 1.4785
        QTest::newRow("1/4 oz, at least 1") << u"¼ oz syrup"_s << int(UnitKind::Cl) << 1;
        QTest::newRow("50 ml") << u"50 ml gin"_s << int(UnitKind::Cl) << 5;
        QTest::newRow("45 ml, half up") << u"45 ml gin"_s << int(UnitKind::Cl) << 5;
        QTest::newRow("1,5 cl, half up") << u"1,5 cl Sirup"_s << int(UnitKind::Cl) << 2;
        QTest::newRow("0.2 l") << u"0.2 l Saft"_s << int(UnitKind::Cl) << 20;
        QTest::newRow("splash") << u"1 splash soda"_s << int(UnitKind::Cl) << 1;
        QTest::newRow("dash of a cl ingredient") << u"1 dash lime juice"_s << int(UnitKind::Cl) << 1;
        QTest::newRow("dash into dash") << u"3 dashes bitters"_s << int(UnitKind::Dash) << 3;
        QTest::newRow("range of dashes") << u"1-2 dashes bitters"_s << int(UnitKind::Dash) << 2;
        QTest::newRow("drops below one dash") << u"3 drops bitters"_s << int(UnitKind::Dash) << 1;
        QTest::newRow("teaspoon of bitters") << u"1 tsp bitters"_s << int(UnitKind::Dash) << 6;
        QTest::newRow("cl of bitters") << u"1 cl Angostura"_s << int(UnitKind::Dash) << 12;
        QTest::newRow("barspoon") << u"1 barspoon syrup"_s << int(UnitKind::Cl) << 1;
        QTest::newRow("tablespoon of honey") << u"1 tbsp honey"_s << int(UnitKind::Gram) << 15;
        QTest::newRow("teaspoons of sugar") << u"2 TL Zucker"_s << int(UnitKind::Gram) << 10;
        QTest::newRow("grams into cl") << u"25 g Püree"_s << int(UnitKind::Cl) << 3;
        QTest::newRow("kilogram") << u"1 kg Eis"_s << int(UnitKind::Gram) << 1000;
        QTest::newRow("pinch") << u"1 pinch salt"_s << int(UnitKind::Gram) << 1;
        QTest::newRow("pieces") << u"2 Limetten"_s << int(UnitKind::Piece) << 2;
        QTest::newRow("half a piece, half up") << u"½ Limette"_s << int(UnitKind::Piece) << 1;
        QTest::newRow("no amount") << u"Soda"_s << int(UnitKind::Cl) << 0;
        QTest::newRow("ingredient without unit") << u"8 mint leaves"_s << int(UnitKind::None) << 0;
        QTest::newRow("zero stays zero") << u"0 cl Soda"_s << int(UnitKind::Cl) << 0;
        QTest::newRow("pieces into cl") << u"2 Limetten"_s << int(UnitKind::Cl) << -1;
        QTest::newRow("cl into pieces") << u"2 oz egg white"_s << int(UnitKind::Piece) << -1;
    }
    void conversion() {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(int, amount);
        const std::optional<ExchangeRecipe::Line> read = IngredientText::parse(text);
        QVERIFY(read.has_value());
        const std::optional<int> converted = Measure::convert(read->amount, read->unit, kind, 12);
        QCOMPARE(converted.value_or(-1), amount);
    }
};

VELTA_TEST_MAIN_CORE(TestIngredientText)
#include "tst_ingredienttext.moc"
