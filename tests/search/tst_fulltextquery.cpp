#include "TestTables.h"
#include "VeltaTest.h"
#include "search/FullTextQuery.h"
#include "store/RecipeMemo.h"

using namespace Qt::StringLiterals;

// The full text of the search against a drink's name and memo (instructions and remark).
class TestFullTextQuery : public QObject {
    Q_OBJECT

private slots:
    void words_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("blanks and tabs")
            << u"  Gin\tZitrone  Eis "_s << QStringList{u"gin"_s, u"zitrone"_s, u"eis"_s};
        QTest::newRow("folded") << u"Kümmel STRASSE Crème"_s
                                << QStringList{u"kummel"_s, u"strasse"_s, u"creme"_s};
        QTest::newRow("repeated word once") << u"Eis eis EIS"_s << QStringList{u"eis"_s};
        QTest::newRow("only blanks") << u"   "_s << QStringList{};
    }
    void words() {
        QFETCH(QString, text);
        QTEST(FullTextQuery(text).words(), "words");
    }

    void matches_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("instructions");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<bool>("matches");
        const QString name = u"Grüne Witwe"_s;
        const QString steps = u"Im Shaker mit Eiswürfeln kräftig schütteln."_s;
        const QString remark = u"Mit einer Orangenscheibe servieren."_s;
        QTest::newRow("word in the name") << u"witwe"_s << name << steps << remark << true;
        QTest::newRow("word in the instructions") << u"shaker"_s << name << steps << remark << true;
        QTest::newRow("word in the remark") << u"orangen"_s << name << steps << remark << true;
        QTest::newRow("all words, spread over the fields, any order")
            << u"servieren GRUENE kraeftig"_s << name << steps << remark << true;
        QTest::newRow("one word missing") << u"shaker minze"_s << name << steps << remark << false;
        QTest::newRow("part of a word") << u"würfel"_s << name << steps << remark << true;
        QTest::newRow("umlaut spelled") << u"schuetteln"_s << name << steps << remark << true;
        QTest::newRow("umlaut as letter") << u"schutteln"_s << name << steps << remark << true;
        QTest::newRow("not across fields") << u"witweim"_s << name << steps << remark << false;
        QTest::newRow("separator letters are no text") << u"thy"_s << name << u"a"_s << u"b"_s << false;
        QTest::newRow("no remark") << u"eiswurfeln"_s << name << steps << QString() << true;
        QTest::newRow("empty memo") << u"shaker"_s << name << QString() << QString() << false;
        // A compound drops the word's ending: the word still finds it, but no shorter stem than four.
        QTest::newRow("Minze in Minzblätter")
            << u"Minze"_s << name << u"Minzblätter zupfen."_s << remark << true;
        QTest::newRow("Erdbeeren in Erdbeersirup")
            << u"erdbeeren"_s << name << u"2 cl Erdbeersirup."_s << remark << true;
        QTest::newRow("Limette in Limettensaft")
            << u"Limette"_s << name << u"Limettensaft dazu."_s << remark << true;
        QTest::newRow("no stem below four letters")
            << u"Rose"_s << name << u"Rosmarin dazu."_s << remark << false;
        QTest::newRow("stem still needs its letters")
            << u"Minze"_s << name << u"Mint Julep."_s << remark << false;
    }
    void matches() {
        QFETCH(QString, query);
        QFETCH(QString, name);
        QFETCH(QString, instructions);
        QFETCH(QString, remark);
        QTEST(FullTextQuery(query).matches(name, RecipeMemo::join(instructions, remark)), "matches");
    }

    // The drink's ingredients, category, taste and decoration are searched by name; free slots and
    // numbers without a name are not, and every word is still needed.
    void namesOfTheDrinkCount() {
        TestTables t;
        t.addRecipe({.name = u"Hausdrink"_s,
                     .lines = {{12, 4}, {7, 2}, {99, 0}},
                     .kat = 3,
                     .gesch = 2,
                     .deko = 1,
                     .instructions = u"Im Glas verrühren."_s});
        FullTextQuery::Names names;
        names.ingredients = {{12, u"Cachaça"_s}, {7, u"Weißer Rum"_s}};
        names.categories = {u"Longdrink"_s, u"Sour"_s, u"Tiki"_s};
        names.tastes = {u"süß"_s, u"~"_s};
        names.decorations = {{1, u"Limettenscheibe"_s}};
        const auto finds = [&](const QString& text) {
            const RecipeRecordTest test = FullTextQuery(text, names).recordTest();
            t.re().Go(1);
            return test(t.re());
        };
        QVERIFY(finds(u"cachaca rum"_s));
        QVERIFY(finds(u"tiki limette glas"_s));
        QVERIFY(!finds(u"sour"_s));                                 // another category
        QVERIFY(!finds(u"~"_s));                                    // taste 2 is a free slot
        QVERIFY(!finds(u"cachaca minze"_s));                        // every word is needed
        QVERIFY(!FullTextQuery(u"cachaca"_s).recordTest()(t.re())); // without the names: only the texts
    }

    // No word: no test, so the list fill keeps every drink.
    void emptyQueryHasNoTest() {
        QVERIFY(!FullTextQuery(u" \t "_s).recordTest());
        QVERIFY(FullTextQuery(u"eis"_s).recordTest());
    }
};

VELTA_TEST_MAIN_CORE(TestFullTextQuery)
#include "tst_fulltextquery.moc"
