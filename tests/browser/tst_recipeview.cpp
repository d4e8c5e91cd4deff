#include "FixedMeasurer.h"
#include "TestTables.h"
#include "VeltaTest.h"
#include "browser/InstructionWrapper.h"
#include "browser/LexiconLinks.h"
#include "browser/LexiconTerms.h"
#include "browser/RecipeClipboard.h"
#include "browser/RecipeHitTest.h"
#include "browser/RecipeLoader.h"
#include "browser/RecipeTextLayout.h"
#include "browser/TitleBarGeometry.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;
using Lines = QList<IngredientSlots::Line>;
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(RecipeHitTest::Target)

namespace {

// Display texts with the fact mark 0x8D written as '#'.
QStringList shown(const RecipeDisplay& d, int from = 0) {
    QStringList out;
    for (int i = from; i < int(d.lines.size()); ++i)
        out.append(QString(d.lines.at(i).text).replace(QChar(RecipeDisplay::kFactMark), QLatin1Char('#')));
    return out;
}

// A display of the given lines ('#' for the fact mark) followed by wrapped instructions.
RecipeDisplay displayOf(const QStringList& lines, const QString& instructions, int areaWidth = 400) {
    RecipeDisplay d;
    d.recNo = 1;
    for (const QString& text : lines) {
        DisplayLine line;
        line.text = QString(text).replace(QLatin1Char('#'), QChar(RecipeDisplay::kFactMark));
        d.lines.append(line);
    }
    d.firstTextLine = int(lines.size());
    d.instructionText = instructions;
    InstructionWrapper::WrapInstructions(d, FixedMeasurer(), areaWidth, true);
    return d;
}

const QString kJustifyText = u"\r\naaa bbb ccc ddd eee fff ggg hhh"_s;

} // namespace

class TestRecipeView : public QObject {
    Q_OBJECT

    const QStringList m_categories = {u"Longdrinks"_s, u"Shortdrinks"_s};
    const QStringList m_tastes = {u"süß"_s, u"sauer"_s};
    const FixedMeasurer m_m{};

private slots:
    void loadRecipe_data() {
        QTest::addColumn<Lines>("packed");
        QTest::addColumn<int>("gesch");
        QTest::addColumn<int>("deko");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QList<int>>("ingredients");
        QTest::addColumn<int>("amount");
        const QStringList facts = {u"\r\n"_s, u"#Alkohol: 25%"_s, u"#Kategorie: Shortdrinks"_s};
        QTest::newRow("units; unit-less and missing last; only cl summed")
            << Lines{{6, 0}, {1, 4}, {3, 10}, {99, 3}, {2, 2}, {5, 2}, {4, 5}} << 2 << 2
            << QStringList{u"#4 cl  Weißer Rum"_s,   u"#10 g  Zucker"_s, u"#2 cl  Limettensaft"_s,
                           u"#2 dash  Angostura"_s,  u"#5 St  Minze"_s,  u"#Crushed Ice"_s,
                           u"#nicht in Datenbank!"_s} +
                   facts + QStringList{u"#Geschmack: sauer"_s, u"#Dekoration: Minzzweig"_s, u"#Menge: 6 cl"_s}
            << QList<int>{1, 3, 2, 5, 4, 6, 99} << 6;
        QTest::newRow("no taste, no decoration")
            << Lines{{1, 4}} << 0 << 0
            << QStringList{u"#4 cl  Weißer Rum"_s} + facts + QStringList{u"#Menge: 4 cl"_s} << QList<int>{1}
            << 4;
        QTest::newRow("unreadable decoration dropped")
            << Lines{{1, 4}} << 1 << 9
            << QStringList{u"#4 cl  Weißer Rum"_s} + facts +
                   QStringList{u"#Geschmack: süß"_s, u"#Menge: 4 cl"_s}
            << QList<int>{1} << 4;
        QTest::newRow("cl amount 0 shows no amount")
            << Lines{{1, 0}, {2, 3}} << 0 << 1
            << QStringList{u"#cl  Weißer Rum"_s, u"#3 cl  Limettensaft"_s} + facts +
                   QStringList{u"#Dekoration: Limettenscheibe"_s, u"#Menge: 3 cl"_s}
            << QList<int>{1, 2} << 3;
        QTest::newRow("name cut to 30") << Lines{{8, 2}} << 0 << 0
                                        << QStringList{u"#2 cl  Ein ausgesprochen langer Zutat"_s} + facts +
                                               QStringList{u"#Menge: 2 cl"_s}
                                        << QList<int>{8} << 2;
        // The printouts, the editor and the calculators read the same: a kind beyond the five has no unit.
        QTest::newRow("unknown unit kind reads as none")
            << Lines{{9, 3}, {1, 4}} << 0 << 0
            << QStringList{u"#4 cl  Weißer Rum"_s, u"#Hausmischung"_s} + facts +
                   QStringList{u"#Menge: 4 cl"_s}
            << QList<int>{1, 9} << 4;
        QTest::newRow("no ingredients")
            << Lines{} << 0 << 0 << facts + QStringList{u"#Menge: 0 cl"_s} << QList<int>{} << 0;
    }
    void loadRecipe() {
        QFETCH(Lines, packed);
        QFETCH(int, gesch);
        QFETCH(int, deko);
        QFETCH(QStringList, expected);
        QFETCH(QList<int>, ingredients);
        QFETCH(int, amount);
        TestTables t;
        using I = TestTables::Ingredient;
        const I all[] = {{.number = 1, .name = u"Weißer Rum"_s},
                         {.number = 2, .name = u"Limettensaft"_s},
                         {.number = 3, .name = u"Zucker"_s, .kind = 1},
                         {.number = 4, .name = u"Minze"_s, .kind = 2},
                         {.number = 5, .name = u"Angostura"_s, .kind = 4},
                         {.number = 6, .name = u"Crushed Ice"_s, .kind = 3},
                         {.number = 8, .name = u"Ein ausgesprochen langer Zutatenname"_s},
                         {.number = 9, .name = u"Hausmischung"_s, .kind = 7}};
        for (const auto& i : all)
            t.addIngredient(i);
        t.addDecoration(u"Limettenscheibe"_s);
        t.addDecoration(u"Minzzweig"_s);
        t.addRecipe({.name = u"Test"_s, .lines = packed, .kat = 2, .gesch = gesch, .alk = 25, .deko = deko});
        const RecipeDisplay d = RecipeLoader::LoadRecipe({t.re(), t.zu(), t.de(), m_categories, m_tastes});
        QCOMPARE(shown(d), expected);
        QCOMPARE(d.lineIngredient, ingredients);
        QCOMPARE(d.lastIngredientLine, int(ingredients.size()) - 1);
        QCOMPARE(d.recipeAmount, amount);
        QCOMPARE(d.alcoholLine, int(ingredients.size()) + 1);
        QCOMPARE(d.categoryLine, d.alcoholLine + 1);
        QCOMPARE(d.amountLine, int(expected.size()) - 1);
        QCOMPARE(d.firstTextLine, d.amountLine + 1);
        QCOMPARE(d.decorationLine, int(expected.indexOf(QRegularExpression(u"#Dekoration.*"_s))));
        QCOMPARE(d.categoryName, m_categories.at(1));
    }

    void loadRecipeReadsPhotoMarkAndInstructions() {
        TestTables t;
        t.addRecipe({.name = u"Eigen  "_s,
                     .mark = 1,
                     .bild = u"517"_s,
                     .eigen = u"MEINS"_s,
                     .instructions = u"Schütteln."_s});
        t.addRecipe({.name = u"Sammlung"_s, .bild = u"517"_s});
        t.re().GoTop();
        RecipeDisplay d = RecipeLoader::LoadRecipe({t.re(), t.zu(), t.de(), m_categories, m_tastes});
        QCOMPARE(d.name, u"Eigen"_s);
        QVERIFY(d.marked);
        QCOMPARE(d.photoName, u"MEINS"_s);
        QVERIFY(!d.collectionPhoto);
        QCOMPARE(d.instructionText, u"\r\nSchütteln."_s);
        t.re().Skip();
        d = RecipeLoader::LoadRecipe({t.re(), t.zu(), t.de(), m_categories, m_tastes});
        QCOMPARE(d.photoName, u"517"_s);
        QVERIFY(d.collectionPhoto);
        QVERIFY(!d.marked);
        QCOMPARE(d.instructionText, QString());
    }

    void instructionText_data() {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty memo") << QString() << QString();
        QTest::newRow("instructions") << u"Schütteln."_s << u"\r\nSchütteln."_s;
        QTest::newRow("remark") << u"Schütteln.þýAus Kuba."_s
                                << u"\r\nSchütteln.\r\n\r\nBemerkung: \r\nAus Kuba."_s;
        QTest::newRow("cut to 5001") << QString(6000, QLatin1Char('x'))
                                     << u"\r\n"_s + QString(4999, QLatin1Char('x'));
    }
    void instructionText() {
        QFETCH(QString, memo);
        QFETCH(QString, text);
        QCOMPARE(RecipeLoader::InstructionText(memo), text);
    }

    void wrap_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("justify");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<bool>>("justified");
        // Area 180: 140 pixels = 20 characters per line.
        QTest::newRow("width: justified, last ragged")
            << kJustifyText << true << QStringList{QString(), u"aaa bbb ccc ddd eee"_s, u"fff ggg hhh"_s}
            << QList<bool>{false, true, false};
        QTest::newRow("justification off")
            << kJustifyText << false << QStringList{QString(), u"aaa bbb ccc ddd eee"_s, u"fff ggg hhh"_s}
            << QList<bool>{false, false, false};
        QTest::newRow("line break stays ragged")
            << u"\r\naaa bbb\r\nccc"_s << true << QStringList{QString(), u"aaa bbb"_s, u"ccc"_s}
            << QList<bool>{false, false, false};
        // Texts other writers stored with LF alone keep their breaks; CR LF is one break.
        QTest::newRow("line feed alone breaks too")
            << u"\r\nab\ncd ef\r\ngh"_s << true << QStringList{QString(), u"ab"_s, u"cd ef"_s, u"gh"_s}
            << QList<bool>{false, false, false, false};
        QTest::newRow("overlong word on its own line")
            << u"\r\n"_s + QString(25, QLatin1Char('x')) + u" kurz"_s << true
            << QStringList{QString(), QString(25, QLatin1Char('x')), u"kurz"_s}
            << QList<bool>{false, false, false};
        QTest::newRow("one word, no gap: ragged")
            << u"\r\naaaaaaaaaaaaaaaa bbbbbbbbbbbbbbbbbb"_s << true
            << QStringList{QString(), u"aaaaaaaaaaaaaaaa"_s, u"bbbbbbbbbbbbbbbbbb"_s}
            << QList<bool>{false, false, false};
        QTest::newRow("empty instructions")
            << QString() << true << QStringList{QString()} << QList<bool>{false};
    }
    void wrap() {
        QFETCH(QString, text);
        QFETCH(bool, justify);
        QFETCH(QStringList, lines);
        QFETCH(QList<bool>, justified);
        RecipeDisplay d = displayOf({u"#Menge: 4 cl"_s}, text);
        InstructionWrapper::WrapInstructions(d, m_m, 180, justify);
        QCOMPARE(shown(d, d.firstTextLine), lines);
        QList<bool> flags;
        for (int i = d.firstTextLine; i < int(d.lines.size()); ++i)
            flags.append(d.lines.at(i).justified);
        QCOMPARE(flags, justified);
        QCOMPARE(d.lastLine, int(d.lines.size()) - 1);
        QCOMPARE(shown(d).first(), u"#Menge: 4 cl"_s);
    }

    void justifiedGapsAndWordPositions() {
        const RecipeDisplay d = displayOf({}, kJustifyText, 180);
        const DisplayLine& line = d.lines.at(1);
        QCOMPARE(line.gapWidth, 8); // 7 free pixels over 4 gaps: 1 each + blank, 3 left over
        QCOMPARE(line.remainder, 3);
        QList<int> xs;
        for (const auto& w : RecipeTextLayout::words(line, m_m))
            xs.append(w.x);
        QCOMPARE(xs, (QList<int>{20, 50, 80, 110, 139}));
        QCOMPARE(RecipeTextLayout::clickedWord(line, m_m, 49), u"aaa"_s);
        QCOMPARE(RecipeTextLayout::clickedWord(line, m_m, 50), u"bbb"_s);
        QCOMPARE(RecipeTextLayout::clickedWord(line, m_m, 139), u"eee"_s);
        QCOMPARE(RecipeTextLayout::clickedWord(line, m_m, 400), QString());
    }

    void justifiedLinesFillTheWidth_data() {
        QTest::addColumn<int>("areaWidth");
        for (int width : {120, 187, 250, 333, 521})
            QTest::addRow("area %d", width) << width;
    }
    void justifiedLinesFillTheWidth() {
        QFETCH(int, areaWidth);
        const QString text =
            u"\r\nDen Rum mit dem Limettensaft und  dem Zucker im Shaker auf Eis kräftig schütteln, "
            "dann in ein vorgekühltes Glas abseihen.\r\nMit Soda auffüllen und sofort servieren. "
            "Wer mag, gibt noch einen Spritzer Angostura dazu."_s;
        const RecipeDisplay d = displayOf({}, text, areaWidth);
        const int right = RecipeTextLayout::kLeft + areaWidth - InstructionWrapper::kMargins;
        int justifiedCount = 0;
        QStringList words;
        for (const DisplayLine& line : d.lines) {
            const auto placed = RecipeTextLayout::words(line, m_m);
            if (line.justified) {
                ++justifiedCount;
                QCOMPARE(placed.last().x + placed.last().width, right);
            } else if (placed.size() > 1) {
                QVERIFY(m_m.width(line.text) <= right - RecipeTextLayout::kLeft);
            }
            for (const auto& w : placed)
                words.append(w.text);
        }
        QVERIFY(justifiedCount > 0);
        words.removeAll(QString());
        QCOMPARE(words.join(QLatin1Char(' ')), QString(text).replace(u"\r\n"_s, u" "_s).simplified());
    }

    void lineTableCappedAt100() {
        QString manyBreaks;
        for (int i = 0; i < 300; ++i)
            manyBreaks += u"\r\nZeile"_s;
        RecipeDisplay d = displayOf({u"#Menge: 0 cl"_s}, manyBreaks);
        QCOMPARE(int(d.lines.size()), RecipeDisplay::kMaxLines);
        QCOMPARE(d.lastLine, 99);
        d = displayOf({}, QString(3000, QLatin1Char('w')).replace(u"wwwww"_s, u"wwww "_s), 100);
        QCOMPARE(int(d.lines.size()), RecipeDisplay::kMaxLines);
    }

    void lastShownLine_data() {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("areaHeight");
        QTest::addColumn<int>("shown");
        QTest::newRow("area ends it") << 0 << 10 << 100 << 2; // lines at 20, 36, 52 end by 68 <= 80
        QTest::newRow("exactly fits") << 0 << 10 << 104 << 3;
        QTest::newRow("last line ends it") << 0 << 1 << 1000 << 1;
        QTest::newRow("scrolled") << 4 << 10 << 100 << 6;
        QTest::newRow("first always drawn") << 3 << 10 << 10 << 3;
    }
    void lastShownLine() {
        QFETCH(int, top);
        QFETCH(int, last);
        QFETCH(int, areaHeight);
        QFETCH(int, shown);
        QCOMPARE(RecipeTextLayout::lastShownLine(top, last, FixedMeasurer::kLine, areaHeight), shown);
    }

    void arrangePlacesFactAndTextLines_data() {
        QTest::addColumn<bool>("centred");
        QTest::addColumn<QList<int>>("xs");
        QTest::newRow("centred") << true << QList<int>{118, 111, 20};
        QTest::newRow("left") << false << QList<int>{20, 20, 20};
    }
    void arrangePlacesFactAndTextLines() {
        QFETCH(bool, centred);
        QFETCH(QList<int>, xs);
        RecipeDisplay d =
            displayOf({u"#4 cl  Rum"_s, u"\r\n"_s, u"#Alkohol: 5%"_s}, u"\r\nzu\r\nGut schütteln"_s, 300);
        LexiconLinks links;
        const auto runs = RecipeTextLayout::arrange(d, m_m, {300, 400}, {centred, false}, nullptr, links);
        QList<int> runXs;
        QList<int> runYs;
        for (const auto& r : runs) {
            runXs.append(r.x);
            runYs.append(r.y);
        }
        QCOMPARE(runXs, xs); // the empty line and "zu" are not drawn
        QCOMPARE(runYs, (QList<int>{20, 52, 100}));
        QCOMPARE(runs.first().text, u"4 cl  Rum"_s);
        QCOMPARE(d.lines.at(0).left, xs.first());
        QCOMPARE(d.lines.at(0).right, xs.first() + 63);
        QCOMPARE(d.lastShownLine, d.lastLine);
    }

    void markingKey_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("term");
        QTest::newRow("comma dropped only") << u"Limetten,"_s << u"limetten"_s << 1;
        QTest::newRow("final n dropped") << u"Limetten"_s << u"limette"_s << 0;
        QTest::newRow("three letters kept") << u"Eis"_s << u"eis"_s << 2;
        QTest::newRow("four with point") << u"Eis."_s << u"eis"_s << 2;
        QTest::newRow("no term") << u"Glas"_s << u"glas"_s << -1;
    }
    void markingKey() {
        QFETCH(QString, word);
        QFETCH(QString, key);
        QFETCH(int, term);
        const LexiconTerms terms({u"Limette"_s, u"Limetten-Zeste"_s, u"Eiswürfel"_s});
        QCOMPARE(LexiconTerms::markingKey(word), key);
        LexiconLinks links;
        QCOMPARE(links.mark(word, QRect(0, 0, 10, 10), terms), term >= 0);
        QCOMPARE(links.termAt(QPoint(5, 5)), term);
    }

    void marksAtMost41WordsWithTheirRectangles() {
        RecipeDisplay d = displayOf({}, u"\r\nLimetten, Limetten Eis"_s + u" Limette"_s.repeated(60), 4000);
        const LexiconTerms terms({u"Limette"_s, u"Limetten-Zeste"_s});
        LexiconLinks links;
        const auto runs = RecipeTextLayout::arrange(d, m_m, {4000, 400}, {false, true}, &terms, links);
        QCOMPARE(int(links.links().size()), LexiconLinks::kMaxLinks);
        QCOMPARE(links.links().at(0).term, 1);
        QCOMPARE(links.links().at(0).rect, QRect(20, 36, 63, 16));
        QCOMPARE(links.links().at(1).term, 0);
        QCOMPARE(links.links().at(1).rect, QRect(90, 36, 56, 16));
        QCOMPARE(int(std::count_if(runs.begin(), runs.end(), [](const auto& r) { return r.link; })), 41);
    }

    void clickLookup_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("ingredient");
        QTest::addColumn<int>("term");
        QTest::newRow("ingredient begins with word") << u"Limetten"_s << 0 << -1;
        QTest::newRow("capital N dropped") << u"LIMETTEN"_s << 0 << -1;
        QTest::newRow("word begins with term") << u"Eiswürfel."_s << -1 << 1;
        QTest::newRow("n dropped before term search") << u"Shakern"_s << -1 << 0;
        QTest::newRow("nothing") << u"Glas"_s << -1 << -1;
        QTest::newRow("two letters not looked up") << u"Ei"_s << -1 << -1;
    }
    void clickLookup() {
        QFETCH(QString, word);
        QFETCH(int, ingredient);
        QFETCH(int, term);
        const auto found = RecipeHitTest::lookUpWord(word, LexiconTerms({u"Limettensaft"_s, u"Rum"_s}),
                                                     LexiconTerms({u"Shaker"_s, u"Eis"_s}));
        QCOMPARE(found.ingredientEntry, ingredient);
        QCOMPARE(found.term, term);
    }

    void clickTargets_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("x");
        QTest::addColumn<RecipeHitTest::Target>("target");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("handCursor");
        using T = RecipeHitTest::Target;
        QTest::newRow("ingredient") << 0 << 50 << T::Ingredient << QString() << true;
        QTest::newRow("ingredient right of text") << 0 << 90 << T::Ingredient << QString() << false;
        QTest::newRow("empty line") << 1 << 50 << T::None << QString() << false;
        QTest::newRow("alcohol") << 2 << 390 << T::Alcohol << QString() << true;
        QTest::newRow("category") << 3 << 30 << T::Category << QString() << true;
        QTest::newRow("decoration") << 4 << 30 << T::Decoration << QString() << true;
        QTest::newRow("amount") << 5 << 30 << T::Amount << QString() << true;
        QTest::newRow("first word") << 7 << 25 << T::Word << u"Gut"_s << false;
        QTest::newRow("second word") << 7 << 53 << T::Word << u"schütteln"_s << false;
        QTest::newRow("short word") << 7 << 120 << T::None << QString() << false;
        QTest::newRow("below the text") << 30 << 30 << T::None << QString() << false;
    }
    void clickTargets() {
        QFETCH(int, line);
        QFETCH(int, x);
        QFETCH(RecipeHitTest::Target, target);
        QFETCH(QString, word);
        QFETCH(bool, handCursor);
        RecipeDisplay d = displayOf({u"#4 cl  Rum"_s, u"\r\n"_s, u"#Alkohol: 5%"_s, u"#Kategorie: Sours"_s,
                                     u"#Dekoration: Minze"_s, u"#Menge: 4 cl"_s},
                                    u"\r\nGut schütteln zu"_s);
        d.lastIngredientLine = 0;
        d.lineIngredient = {17};
        d.alcoholLine = 2;
        d.categoryLine = 3;
        d.decorationLine = 4;
        d.amountLine = 5;
        LexiconLinks links;
        RecipeTextLayout::arrange(d, m_m, {400, 400}, {false, false}, nullptr, links);
        const QPoint p(x, RecipeTextLayout::kTop + line * FixedMeasurer::kLine + 8);
        const auto click = RecipeHitTest::click(d, links, m_m, p);
        QCOMPARE(click.target, target);
        QCOMPARE(click.word, word);
        QCOMPARE(click.ingredient, target == RecipeHitTest::Target::Ingredient ? 17 : 0);
        QCOMPARE(RecipeHitTest::linkCursor(d, links, p), handCursor);
    }

    void lineBandsExcludeTheirEdges() {
        RecipeDisplay d = displayOf({}, u"\r\na\r\nb\r\nc\r\nd"_s);
        LexiconLinks links;
        RecipeTextLayout::arrange(d, m_m, {400, 400}, {}, nullptr, links);
        const QList<int> ys = {20, 21, 35, 36, 37};
        QList<int> lines;
        for (int y : ys)
            lines.append(RecipeHitTest::lineAt(d, y));
        QCOMPARE(lines, (QList<int>{-1, 0, 0, -1, 1}));
        QVERIFY(!d.canScroll());
        RecipeTextLayout::arrange(d, m_m, {400, 80}, {}, nullptr, links);
        QVERIFY(d.canScroll());
        QVERIFY(d.scrollDown());
        RecipeTextLayout::arrange(d, m_m, {400, 80}, {}, nullptr, links);
        QCOMPARE(RecipeHitTest::lineAt(d, 21), 1);
        QVERIFY(d.scrollUp());
        QVERIFY(!d.scrollUp());
    }

    void clipboardText() {
        RecipeDisplay d =
            displayOf({u"#4 cl  Rum"_s, u"#Ei"_s, u"\r\n"_s, u"#Alkohol: 5%"_s, u"#Menge: 4 cl"_s},
                      u"\r\nSchütteln."_s);
        d.name = u"Ein Name, der länger ist als dreißig Zeichen"_s;
        QCOMPARE(RecipeClipboard::recipeText(d),
                 u"Ein Name, der länger ist als d\r\n\r\n4 cl  Rum\r\nAlkohol: 5%\r\n"
                 "Menge: 4 cl\r\n\r\nSchütteln."_s);
    }

    void titleBar_data() {
        QTest::addColumn<int>("paintBoxWidth");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("narrow") << 700 << QRect(257, 5, 400, 37);
        QTest::newRow("full width") << 820 << QRect(257, 5, 520, 37);
        QTest::newRow("wide") << 1200 << QRect(447, 5, 520, 37);
    }
    void titleBar() {
        QFETCH(int, paintBoxWidth);
        QFETCH(QRect, rect);
        QCOMPARE(TitleBarGeometry::titleRect(paintBoxWidth), rect);
    }

    void titleName() {
        auto n = TitleBarGeometry::name(520, 200, 8, false);
        QCOMPARE((QList<int>{n.x, n.clipLeft, n.clipRight, n.leftGrooveEnd, n.rightGrooveStart}),
                 (QList<int>{160, 160, 362, 152, 367}));
        QCOMPARE(TitleBarGeometry::name(520, 200, 8, true).x, 158);
        n = TitleBarGeometry::name(300, 290, 8, false); // narrower than the name
        QCOMPARE(n.x, 14);
        QCOMPARE(n.clipRight, 288);
        QCOMPARE(TitleBarGeometry::fontSize([](int size) { return size * 8 / 5; }), 22);
        QCOMPARE(TitleBarGeometry::fontSize([](int size) { return size + 14; }), 20);
        QCOMPARE(TitleBarGeometry::fontSize([](int) { return 50; }), 16);
    }
};

VELTA_TEST_MAIN_CORE(TestRecipeView)
#include "tst_recipeview.moc"
