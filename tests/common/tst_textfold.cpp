#include "VeltaTest.h"
#include "common/TextFold.h"

using namespace Qt::StringLiterals;

// Folded matching of typed text against names and texts.
class TestTextFold : public QObject {
    Q_OBJECT

private slots:
    void fold_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("case") << u"Blue MOON"_s << u"blue moon"_s;
        QTest::newRow("umlauts") << u"ÄÖÜäöü"_s << u"aouaou"_s;
        QTest::newRow("sharp s") << u"Straße"_s << u"strasse"_s;
        QTest::newRow("accents") << u"Crème Brûlée Piña Añejo"_s << u"creme brulee pina anejo"_s;
        QTest::newRow("ligatures") << u"Æbleskiver Œuvre Þorn"_s << u"aebleskiver oeuvre thorn"_s;
        QTest::newRow("no decomposition") << u"Ørsted ƒ"_s << u"orsted f"_s;
        QTest::newRow("capital accented") << u"ÉLYSÉES"_s << u"elysees"_s;
        QTest::newRow("combining accent dropped") << u"Pin\u0303a"_s << u"pina"_s;
        QTest::newRow("signs kept") << u"Queen's Park-Swizzle 1"_s << u"queen's park-swizzle 1"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void fold() {
        QFETCH(QString, text);
        QTEST(TextFold::fold(text), "folded");
    }

    // Typed text folded as the callers fold it, against a text.
    void startsWith_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        QTest::newRow("umlaut as letter") << u"Kümmel"_s << u"kummel"_s << true;
        QTest::newRow("umlaut spelled") << u"Kümmel"_s << u"kuemmel"_s << true;
        QTest::newRow("umlaut typed") << u"Kümmel"_s << u"KÜMMEL"_s << true;
        QTest::newRow("spelled, cut after e") << u"Kümmel"_s << u"kue"_s << true;
        QTest::newRow("spelled, capitals") << u"Kümmel"_s << u"KUEMMEL"_s << true;
        QTest::newRow("two umlauts mixed") << u"Rüdesheimer Kräuter"_s << u"ruedesheimer krauter"_s << true;
        QTest::newRow("umlaut then real e") << u"Glühende"_s << u"gluhe"_s << true;
        QTest::newRow("umlaut, e and real e") << u"Glühende"_s << u"gluehe"_s << true;
        QTest::newRow("spelled umlaut at the end") << u"Glü"_s << u"glue"_s << true;
        QTest::newRow("real ue stays") << u"Blue Lagoon"_s << u"blue"_s << true;
        QTest::newRow("no e dropped from real ue") << u"Blue Lagoon"_s << u"blu lagoon"_s << false;
        QTest::newRow("e only after an umlaut") << u"Blutorange"_s << u"bluet"_s << false;
        QTest::newRow("queen") << u"Queen's Park Swizzle"_s << u"queen"_s << true;
        QTest::newRow("tequila") << u"Tequila Sunrise"_s << u"tequila s"_s << true;
        QTest::newRow("sharp s as ss") << u"Straße"_s << u"strasse"_s << true;
        QTest::newRow("sharp s cut in the middle") << u"Straße"_s << u"stras"_s << true;
        QTest::newRow("sharp s typed") << u"Weißwein"_s << u"weiß"_s << true;
        QTest::newRow("single s is not ß") << u"Weißwein"_s << u"weisw"_s << false;
        QTest::newRow("accent dropped") << u"Piña Colada"_s << u"pina"_s << true;
        QTest::newRow("grave accent") << u"Crème de Cassis"_s << u"creme"_s << true;
        QTest::newRow("typed accent") << u"Creme"_s << u"crème"_s << true;
        QTest::newRow("longer than the text") << u"Glü"_s << u"glueh"_s << false;
        QTest::newRow("not at the start") << u"Kreuzkümmel"_s << u"kummel"_s << false;
        QTest::newRow("empty typed") << u"Kümmel"_s << QString() << true;
    }
    void startsWith() {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QTEST(TextFold::startsWith(TextFold::prepare(text), TextFold::fold(typed)), "matches");
    }

    void contains_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        QTest::newRow("inside a word") << u"Kreuzkümmel"_s << u"kuemmel"_s << true;
        QTest::newRow("second occurrence fits") << u"Kuchen und Küche"_s << u"kueche"_s << true;
        QTest::newRow("across a blank") << u"mit Eiswürfeln auffüllen"_s << u"ln auff"_s << true;
        QTest::newRow("at the very end") << u"Straße"_s << u"sse"_s << true;
        QTest::newRow("absent") << u"Kreuzkümmel"_s << u"kuemmelx"_s << false;
        QTest::newRow("empty text") << QString() << u"a"_s << false;
        QTest::newRow("empty typed") << QString() << QString() << true;
    }
    void contains() {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QTEST(TextFold::contains(TextFold::prepare(text), TextFold::fold(typed)), "matches");
    }
};

VELTA_TEST_MAIN_CORE(TestTextFold)
#include "tst_textfold.moc"
