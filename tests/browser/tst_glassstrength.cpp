#include "FixedMeasurer.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "browser/LexiconLinks.h"
#include "browser/RecipeClipboard.h"
#include "browser/RecipeHitTest.h"
#include "browser/RecipeLoader.h"
#include "browser/RecipeTextLayout.h"
#include "common/GlassStrength.h"
#include "common/IceNames.h"
#include "common/ServingGlass.h"

using namespace Qt::StringLiterals;
using Method = GlassStrength::Method;
using Preparation = GlassStrength::Preparation;
using Glass = ServingGlass::Kind;
Q_DECLARE_METATYPE(GlassStrength::Method)
Q_DECLARE_METATYPE(GlassStrength::Preparation)
Q_DECLARE_METATYPE(std::optional<ServingGlass::Kind>)

class TestGlassStrength : public QObject {
    Q_OBJECT

    const QStringList m_categories = {u"Longdrinks"_s, u"Shortdrinks"_s};
    const QStringList m_tastes = {u"süß"_s};

private slots:
    void methodOf_data() {
        QTest::addColumn<QString>("instructions");
        QTest::addColumn<bool>("iceInRecipe");
        QTest::addColumn<Method>("method");
        QTest::newRow("shaker") << u"Alles im Shaker auf Eis kräftig schütteln."_s << false << Method::Shaken;
        QTest::newRow("shake, capital") << u"Schütteln und abseihen."_s << false << Method::Shaken;
        QTest::newRow("shake with a prefix") << u"Kurz durchschütteln."_s << false << Method::Shaken;
        QTest::newRow("pouring is no shaking")
            << u"Über Eiswürfel in ein Glas schütten."_s << false << Method::Built;
        QTest::newRow("poured together, no ice")
            << u"Alles zusammengeschüttet servieren."_s << false << Method::Neat;
        QTest::newRow("mixing glass") << u"Im Rührglas kalt rühren."_s << false << Method::Stirred;
        QTest::newRow("blender wins over stirring")
            << u"Im Rührglas vorbereiten, dann im Mixer mit Crushed Ice mixen."_s << false << Method::Blended;
        QTest::newRow("pureed") << u"Die Früchte pürieren."_s << false << Method::Blended;
        QTest::newRow("built over ice")
            << u"Einen Tumbler mit Eiswürfeln füllen, darübergießen."_s << false << Method::Built;
        QTest::newRow("ice as ingredient") << u"Im Glas umrühren."_s << true << Method::Built;
        QTest::newRow("no ice") << u"In eine Sektflöte gießen und mit Prosecco auffüllen."_s << false
                                << Method::Neat;
        QTest::newRow("hot with ice named")
            << u"Heißen Kaffee eingießen, kein Eis."_s << false << Method::Neat;
        QTest::newRow("no instructions") << QString() << false << Method::Neat;
        QTest::newRow("words holding 'eis' are no ice")
            << u"Auf diese Weise leise servieren."_s << false << Method::Neat;
    }
    void methodOf() {
        QFETCH(QString, instructions);
        QFETCH(bool, iceInRecipe);
        QFETCH(Method, method);
        QCOMPARE(GlassStrength::methodOf(instructions, iceInRecipe), method);
    }

    // The search's reading of the same words: heat is a preparation of its own, and a drink built
    // neat or on ice is built either way.
    void preparationOf_data() {
        QTest::addColumn<QString>("instructions");
        QTest::addColumn<Preparation>("preparation");
        QTest::newRow("shaken") << u"Alles im Shaker auf Eis kräftig schütteln."_s << Preparation::Shaken;
        QTest::newRow("stirred") << u"Im Rührglas kalt rühren."_s << Preparation::Stirred;
        QTest::newRow("blended") << u"Im Blender mit Crushed Ice mixen."_s << Preparation::Blended;
        QTest::newRow("hot") << u"Heißen Kaffee eingießen, kein Eis."_s << Preparation::Hot;
        QTest::newRow("heated") << u"Den Wein langsam erhitzen, nicht kochen."_s << Preparation::Hot;
        QTest::newRow("built on ice") << u"Über Eiswürfel in ein Glas schütten."_s << Preparation::Built;
        QTest::newRow("built neat") << u"In eine Sektflöte gießen."_s << Preparation::Built;
        QTest::newRow("shaking wins over heat")
            << u"Honig in warmem Wasser lösen, dann schütteln."_s << Preparation::Shaken;
    }
    void preparationOf() {
        QFETCH(QString, instructions);
        QFETCH(Preparation, preparation);
        QCOMPARE(GlassStrength::preparationOf(instructions), preparation);
    }

    // The first glass the instructions serve in; mixing glasses, jugs and a cup as a measure are no
    // serving glass.
    void servingGlass_data() {
        QTest::addColumn<QString>("instructions");
        QTest::addColumn<std::optional<Glass>>("glass");
        const auto row = [](const char* name, const QString& text, std::optional<Glass> glass) {
            QTest::newRow(name) << text << glass;
        };
        row("coupe", u"Im Rührglas kalt rühren und in eine vorgekühlte Cocktailschale abseihen."_s,
            Glass::Cocktail);
        row("cocktail glass, genitive", u"Den Rand eines Cocktailglases anfeuchten."_s, Glass::Cocktail);
        row("champagne coupe is a coupe", u"In eine Sektschale abseihen."_s, Glass::Cocktail);
        row("highball", u"Ein Highballglas mit Eiswürfeln füllen."_s, Glass::Highball);
        row("tall glass", u"In ein großes, mit Eiswürfeln gefülltes Glas abseihen."_s, Glass::Highball);
        row("tall glass after a tiki mug", u"In einen großen Tiki-Becher oder ein hohes Glas gießen."_s,
            Glass::Tiki);
        row("old fashioned", u"In ein Old-Fashioned-Glas füllen."_s, Glass::Tumbler);
        row("flute", u"Mit Sekt in einer Sektflöte auffüllen."_s, Glass::Flute);
        row("wine glass", u"In ein Weinglas mit Eis geben."_s, Glass::Wine);
        row("copper mug", u"Einen Kupferbecher mit Eis füllen."_s, Glass::Metal);
        row("julep cup, then the cup", u"Im Julepbecher andrücken. Den Becher mit Eis füllen."_s,
            Glass::Metal);
        row("hurricane", u"In ein Hurricaneglas füllen."_s, Glass::Hurricane);
        row("margarita", u"Den Rand eines Margaritaglases salzen."_s, Glass::Margarita);
        row("shot", u"In ein Schnapsglas gießen."_s, Glass::Shot);
        row("beer", u"Ein Bierglas zur Hälfte füllen."_s, Glass::Beer);
        row("punch glass", u"In ein vorgewärmtes Punschglas gießen."_s, Glass::Handle);
        row("warmed glass", u"Ein hitzefestes Glas vorwärmen."_s, Glass::Handle);
        row("cup", u"In eine vorgewärmte Tasse gießen."_s, Glass::Mug);
        row("a cup of ice measures", u"Mit einer Tasse Crushed Ice mixen. In ein Hurricaneglas füllen."_s,
            Glass::Hurricane);
        row("mixing glass and jug are none", u"Im Rührglas rühren, dann im Krug kalt stellen."_s,
            std::nullopt);
        row("just a glass", u"In ein Glas gießen."_s, std::nullopt);
        row("nothing", QString(), std::nullopt);
    }
    void servingGlass() {
        QFETCH(QString, instructions);
        QFETCH(std::optional<Glass>, glass);
        QCOMPARE(ServingGlass::of(instructions), glass);
    }

    void isIce_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ice");
        QTest::newRow("cubes") << u"Eiswürfel"_s << true;
        QTest::newRow("crushed") << u"crushed ice"_s << true;
        QTest::newRow("ice cream") << u"Vanilleeis"_s << false;
        QTest::newRow("iced tea") << u"Eistee Pfirsich"_s << false;
        QTest::newRow("spirit") << u"Himbeergeist"_s << false;
    }
    void isIce() {
        QFETCH(QString, name);
        QFETCH(bool, ice);
        QCOMPARE(IceNames::isIce(name), ice);
    }

    // What loses its bubbles in a bottle made ahead; compounds count, a word hidden in another not.
    void isSparkling_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("sparkling");
        QTest::newRow("soda") << u"Soda"_s << true;
        QTest::newRow("compound lemonade") << u"Zitronenlimonade"_s << true;
        QTest::newRow("wheat beer") << u"Weizenbier"_s << true;
        QTest::newRow("cola") << u"Coca-Cola"_s << true;
        QTest::newRow("chocolate is no cola") << u"Chocolate Bitters"_s << false;
        QTest::newRow("still water") << u"Stilles Wasser"_s << false;
        QTest::newRow("wine") << u"Weißwein"_s << false;
    }
    void isSparkling() {
        QFETCH(QString, name);
        QFETCH(bool, sparkling);
        QCOMPARE(IceNames::isSparkling(name), sparkling);
    }

    // 4 cl at 40 % and 2 cl at 0 %: 1.6 cl pure alcohol in 6 cl of mix.
    void estimate_data() {
        QTest::addColumn<Method>("method");
        QTest::addColumn<QString>("text");
        QTest::newRow("shaken") << Method::Shaken << u"Im Glas: ca. 21 %, 8 cl, 13 g Alkohol (geschüttelt)"_s;
        QTest::newRow("stirred") << Method::Stirred << u"Im Glas: ca. 21 %, 8 cl, 13 g Alkohol (gerührt)"_s;
        QTest::newRow("built") << Method::Built << u"Im Glas: ca. 23 %, 7 cl, 13 g Alkohol (auf Eis)"_s;
        QTest::newRow("blended") << Method::Blended << u"Im Glas: ca. 18 %, 9 cl, 13 g Alkohol (gemixt)"_s;
        QTest::newRow("neat") << Method::Neat << u"Im Glas: ca. 27 %, 6 cl, 13 g Alkohol (ohne Eis)"_s;
    }
    void estimate() {
        QFETCH(Method, method);
        QFETCH(QString, text);
        const AlcoholValue::Mix mix{6.0, 4.0 * 40};
        const auto e = GlassStrength::estimate(mix, method);
        QVERIFY(e);
        QCOMPARE(GlassStrength::text(*e), text);
        // The alcohol stays what the mix holds; only water is added.
        QCOMPARE(e->percent * e->volumeCl, 160.0);
        QVERIFY(e->percent <= 160.0 / 6.0);
    }

    // Halves go to the even neighbour, as everywhere in the program: 5 cl shaken are 6.5 cl, and
    // 0.8125 cl of alcohol in them are 12.5 %.
    void halvesRoundToEven() {
        const auto e = GlassStrength::estimate({5.0, 81.25}, Method::Shaken);
        QVERIFY(e);
        QCOMPARE(GlassStrength::text(*e), u"Im Glas: ca. 12 %, 6 cl, 6 g Alkohol (geschüttelt)"_s);
    }

    void noEstimateWithoutAlcoholOrVolume() {
        QVERIFY(!GlassStrength::estimate({6.0, 0.0}, Method::Shaken));
        QVERIFY(!GlassStrength::estimate({0.0, 0.0}, Method::Shaken));
    }

    // The loader puts the estimate right under the stored value and the cost under it; the copied
    // recipe leaves both out, and a click on the estimate is a click on the alcohol line.
    void loaderAddsTheLineUnderTheAlcoholValue() {
        TestTables t;
        t.addIngredient({.number = 1, .name = u"Gin"_s, .alcohol = 40});
        t.addIngredient({.number = 2, .name = u"Zitronensaft"_s});
        t.addIngredient({.number = 3, .name = u"Angostura"_s, .kind = 4, .alcohol = 45});
        t.addIngredient({.number = 4, .name = u"Eiswürfel"_s, .kind = 3});
        t.addRecipe({.name = u"Sour"_s,
                     .lines = {{1, 4}, {2, 2}, {3, 12}, {4, 0}},
                     .alk = 28,
                     .instructions = u"Im Glas verrühren."_s});
        // Gin at 16,99 € for 70 cl: 4 cl cost 0,97 €; the juice and the bitters have no price.
        t.zu().GoTop();
        t.zu().Edit();
        t.zu().ReplaceInteger(u"PREIS"_s, 1699);
        t.zu().ReplaceInteger(u"VOL"_s, 70);
        t.zu().Commit();
        RecipeDisplay d = RecipeLoader::LoadRecipe({t.re(), t.zu(), t.de(), m_categories, m_tastes, 12});
        QCOMPARE(d.glassLine, d.alcoholLine + 1);
        QCOMPARE(d.costLine, d.glassLine + 1);
        QCOMPARE(d.categoryLine, d.costLine + 1);
        QCOMPARE(d.lines.at(d.costLine).text.mid(1),
                 u"Kosten: ab 0,97 € (ohne Preis: Zitronensaft, Angostura)"_s);
        QVERIFY(!RecipeClipboard::recipeText(d).contains(u"Kosten"_s));
        // 4 cl gin at 40 % and 12 dashes (1 cl at 45 %) in 7 cl, built because ice is an ingredient:
        // 2.05 cl alcohol in 8.05 cl.
        QCOMPARE(d.lines.at(d.glassLine).text.mid(1), u"Im Glas: ca. 25 %, 8 cl, 16 g Alkohol (auf Eis)"_s);
        QVERIFY(!RecipeClipboard::recipeText(d).contains(u"Im Glas: ca."_s));
        QVERIFY(RecipeClipboard::recipeText(d).contains(u"Alkohol: 28%"_s));

        for (DisplayLine& line : d.lines)
            line.height = 10;
        d.lastShownLine = int(d.lines.size()) - 1;
        const int y = RecipeTextLayout::kTop + 10 * d.glassLine + 5;
        QCOMPARE(RecipeHitTest::lineAt(d, y), d.glassLine);
        LexiconLinks links;
        QCOMPARE(RecipeHitTest::click(d, links, FixedMeasurer(), {5, y}).target,
                 RecipeHitTest::Target::Alcohol);
    }

    // What the recipe view shows for a drink poured and for one shaken: 4 cl gin at 40 % and 1 cl
    // juice are 5 cl, 6.5 cl once shaken.
    void loaderReadsTheMethodByWord_data() {
        QTest::addColumn<QString>("instructions");
        QTest::addColumn<QString>("line");
        QTest::newRow("poured") << u"Alles in ein Glas schütten."_s
                                << u"Im Glas: ca. 32 %, 5 cl, 13 g Alkohol (ohne Eis)"_s;
        QTest::newRow("shaken") << u"Alles kräftig schütteln."_s
                                << u"Im Glas: ca. 25 %, 6 cl, 13 g Alkohol (geschüttelt)"_s;
    }
    void loaderReadsTheMethodByWord() {
        QFETCH(QString, instructions);
        QFETCH(QString, line);
        TestTables t;
        t.addIngredient({.number = 1, .name = u"Gin"_s, .alcohol = 40});
        t.addIngredient({.number = 2, .name = u"Zitronensaft"_s});
        t.addRecipe(
            {.name = u"Einfach"_s, .lines = {{1, 4}, {2, 1}}, .alk = 32, .instructions = instructions});
        const RecipeDisplay d =
            RecipeLoader::LoadRecipe({t.re(), t.zu(), t.de(), m_categories, m_tastes, 12});
        QVERIFY(d.glassLine > 0);
        QCOMPARE(d.lines.at(d.glassLine).text.mid(1), line);
    }

    void alcoholFreeRecipeHasNoLine() {
        TestTables t;
        t.addIngredient({.number = 2, .name = u"Orangensaft"_s});
        t.addRecipe({.name = u"Saft"_s, .lines = {{2, 10}}});
        const RecipeDisplay d = RecipeLoader::LoadRecipe({t.re(), t.zu(), t.de(), m_categories, m_tastes});
        QCOMPARE(d.glassLine, -1);
        QCOMPARE(d.categoryLine, d.alcoholLine + 1);
    }
};

VELTA_TEST_MAIN_CORE(TestGlassStrength)
#include "tst_glassstrength.moc"
