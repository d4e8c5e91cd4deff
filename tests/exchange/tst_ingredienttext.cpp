#include "VeltaTest.h"
#include "exchange/IngredientText.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ExchangeRecipe::Line)

// Ingredient lines: what we write reads back exactly, and what cannot be read is refused.
class TestIngredientText : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<ExchangeRecipe::Line>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("cl") << ExchangeRecipe::Line{4, UnitKind::Cl, u"Weißer Rum"_s} << u"4 cl Weißer Rum"_s;
        QTest::newRow("gram") << ExchangeRecipe::Line{15, UnitKind::Gram, u"Zucker"_s} << u"15 g Zucker"_s;
        QTest::newRow("piece") << ExchangeRecipe::Line{2, UnitKind::Piece, u"Limette"_s} << u"2 St Limette"_s;
        QTest::newRow("dash") << ExchangeRecipe::Line{3, UnitKind::Dash, u"Angostura"_s}
                              << u"3 dash Angostura"_s;
        QTest::newRow("amount 0") << ExchangeRecipe::Line{0, UnitKind::Cl, u"Soda"_s} << u"0 cl Soda"_s;
        QTest::newRow("largest amount")
            << ExchangeRecipe::Line{9999, UnitKind::Gram, u"Eis"_s} << u"9999 g Eis"_s;
        QTest::newRow("no amount") << ExchangeRecipe::Line{0, UnitKind::None, u"Eiswürfel"_s}
                                   << u"Eiswürfel"_s;
        QTest::newRow("name with digits")
            << ExchangeRecipe::Line{2, UnitKind::Cl, u"Licor 43 (Cuarenta y Tres)"_s}
            << u"2 cl Licor 43 (Cuarenta y Tres)"_s;
    }
    void roundTrip() {
        QFETCH(ExchangeRecipe::Line, line);
        QFETCH(QString, text);
        QCOMPARE(IngredientText::format(line), text);
        const std::optional<ExchangeRecipe::Line> read = IngredientText::parse(text);
        QVERIFY(read.has_value());
        QVERIFY(*read == line);
    }

    void foreignSpellings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ExchangeRecipe::Line>("line");
        QTest::newRow("unit in capitals") << u"4 CL Gin"_s << ExchangeRecipe::Line{4, UnitKind::Cl, u"Gin"_s};
        QTest::newRow("extra blanks")
            << u"  2   st  Limette "_s << ExchangeRecipe::Line{2, UnitKind::Piece, u"Limette"_s};
    }
    void foreignSpellings() {
        QFETCH(QString, text);
        QFETCH(ExchangeRecipe::Line, line);
        const std::optional<ExchangeRecipe::Line> read = IngredientText::parse(text);
        QVERIFY(read.has_value());
        QVERIFY(*read == line);
    }

    void refused_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << u"  "_s;
        QTest::newRow("decimal comma") << u"1,5 cl Rum"_s;
        QTest::newRow("fraction") << u"1/2 St Limette"_s;
        QTest::newRow("unknown unit") << u"20 ml Gin"_s;
        QTest::newRow("amount without unit") << u"2 Limetten"_s;
        QTest::newRow("amount too large") << u"10000 g Eis"_s;
        QTest::newRow("unit without name") << u"4 cl"_s;
    }
    void refused() {
        QFETCH(QString, text);
        QVERIFY(!IngredientText::parse(text).has_value());
    }
};

VELTA_TEST_MAIN_CORE(TestIngredientText)
#include "tst_ingredienttext.moc"
