#include "TestTables.h"
#include "VeltaTest.h"
#include "common/TextFold.h"
#include "search/DrinkTraits.h"
#include "search/FullTextQuery.h"
#include "search/RecipeTextIndex.h"
#include "store/RecipeMemo.h"
#include "store/TTable.h"

#include <QRandomGenerator>

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
        RecipeTextIndex index;
        const auto finds = [&](const QString& text, const FullTextQuery::Names& with) {
            const RecipeRecordTest test = FullTextQuery(text, with).recordTest(index, t.re());
            t.re().Go(1);
            return test(t.re());
        };
        QVERIFY(finds(u"cachaca rum"_s, names));
        QVERIFY(finds(u"tiki limette glas"_s, names));
        QVERIFY(!finds(u"sour"_s, names));          // another category
        QVERIFY(!finds(u"~"_s, names));             // taste 2 is a free slot
        QVERIFY(!finds(u"cachaca minze"_s, names)); // every word is needed
        QVERIFY(!finds(u"cachaca"_s, {}));          // without the names: only the texts
        names.drinks = {{u"hausdrink"_s, u"Caipi des Hauses"_s}};
        QVERIFY(finds(u"caipi verruhren"_s, names)); // another name of the drink
    }

    // The index answers as the rule does on every drink's texts, also after records were written,
    // added, deleted and the table reopened, reading again only what was written.
    void indexAgreesWithTheRule() {
        TestTables t;
        t.env().SetDeleted(false);
        const QStringList pieces{u"Grün"_s,     u"Minz"_s, u"blätter"_s, u"Straße"_s, u"Eis"_s, u"würfel"_s,
                                 u"Limetten"_s, u"saft"_s, u"Blue"_s,    u"Kümmel"_s, u"-"_s,   u"."_s};
        QRandomGenerator random(35);
        const auto text = [&](int words) {
            QString out;
            for (int w = 0; w < words; ++w) {
                out += w == 0 ? QString() : (random.bounded(5) == 0 ? u"\n"_s : u" "_s);
                for (int p = random.bounded(1, 4); p > 0; --p)
                    out += pieces.at(random.bounded(int(pieces.size())));
            }
            return out;
        };
        struct Drink {
            QString name;
            QString memo;
        };
        QList<Drink> drinks;
        for (int i = 0; i < 30; ++i) {
            const QString name = text(2).left(30).replace(u'\n', u' ').trimmed();
            const QString instructions = text(6);
            const QString remark = text(3);
            t.addRecipe({.name = name, .instructions = instructions, .remark = remark});
            drinks.append({name, RecipeMemo::join(instructions, remark)});
        }
        QStringList queries{u"minze"_s, u"gruen"_s, u"strasse eis"_s,  u"kuemmel"_s, u"blue"_s,
                            u"bluee"_s, u"saft-"_s, u"limettensaft"_s, u"e"_s,       u"xyz"_s};
        for (int i = 0; i < 40; ++i) {
            const QString source = TextFold::fold(text(1));
            const int from = random.bounded(int(source.size()));
            queries << source.mid(from, random.bounded(1, 9));
        }
        RecipeTextIndex index;
        const auto agree = [&](int reads) {
            index.matches(t.re(), FullTextQuery(u"eis"_s));
            QCOMPARE(index.lastRead(), reads);
            for (const QString& q : queries) {
                const FullTextQuery query(q);
                const std::vector<char> found = index.matches(t.re(), query);
                for (int r = 1; r <= int(drinks.size()); ++r)
                    QVERIFY2(bool(found[size_t(r)]) == query.matches(drinks[r - 1].name, drinks[r - 1].memo),
                             qPrintable(u"%1 in Satz %2"_s.arg(q).arg(r)));
            }
        };
        agree(30);
        if (QTest::currentTestFailed())
            return;
        // A memo written, a drink renamed, one added: only they are read again.
        t.re().Go(4);
        drinks[3].memo = RecipeMemo::join(u"Minzblätter zerstoßen"_s, QString());
        t.re().ReplaceMemo(u"ANLEITUNG"_s, drinks[3].memo);
        t.re().Commit();
        t.re().Go(9);
        drinks[8].name = u"Grüne Straße"_s;
        t.re().ReplaceText(u"NAME"_s, drinks[8].name);
        t.re().Commit();
        t.addRecipe({.name = u"Blue Kümmel"_s, .instructions = u"Eiswürfel"_s});
        drinks.append({u"Blue Kümmel"_s, RecipeMemo::join(u"Eiswürfel"_s, QString())});
        agree(3);
        if (QTest::currentTestFailed())
            return;
        agree(0);
        // A deleted drink stays found until the list hides it; a reopened table is read whole.
        t.re().table().Close();
        t.re().table().Open();
        agree(31);
    }

    // How a drink is made and its glass come from the index as from the instructions themselves, read
    // only once a search asks for them and again after the instructions were written.
    void traitsFromTheIndex() {
        TestTables t;
        QStringList steps{u"Im Shaker kräftig schütteln, ins Cocktailglas abseihen."_s,
                          u"Im Rührglas rühren und in einen Tumbler geben."_s,
                          u"Im Mixer mit Eis mixen, im Hurricaneglas servieren."_s,
                          u"Heiß im Becher servieren."_s, u"Im Longdrinkglas aufbauen."_s};
        for (const QString& s : steps)
            t.addRecipe({.name = s.left(12), .lines = {{1, 4}}, .instructions = s});
        RecipeTextIndex index;
        const auto agree = [&](int reads) {
            int kept = 0;
            for (int p = 0; p <= 5; ++p) {
                for (int g = 0; g <= int(ServingGlass::names().size()); ++g) {
                    DrinkTraits traits;
                    if (p > 0)
                        traits.preparation = GlassStrength::Preparation(p - 1);
                    if (g > 0)
                        traits.glass = ServingGlass::Kind(g - 1);
                    const std::vector<char> found = index.keeping(t.re(), traits);
                    if (p == 0 && g == 1)
                        QCOMPARE(index.lastRead(), reads);
                    for (int r = 1; r <= int(steps.size()); ++r) {
                        const bool direct = traits.keeps(GlassStrength::preparationOf(steps[r - 1]),
                                                         ServingGlass::of(steps[r - 1]), {1});
                        QCOMPARE(bool(found[size_t(r)]), direct);
                        kept += direct && (p > 0 || g > 0);
                    }
                }
            }
            QVERIFY(kept >= int(steps.size())); // every drink was found under its own method or glass
        };
        index.matches(t.re(), FullTextQuery(u"eis"_s));
        QCOMPARE(index.lastRead(), 5);
        agree(5); // the texts were read, the readings not yet
        agree(0);
        t.re().Go(5);
        steps.last() = u"Im Shaker schütteln, im Cocktailglas servieren."_s;
        t.re().ReplaceMemo(u"ANLEITUNG"_s, RecipeMemo::join(steps.last(), QString()));
        t.re().Commit();
        agree(1);
        DrinkTraits avoid;
        avoid.avoided = {1};
        const std::vector<char> none = index.keeping(t.re(), avoid);
        QCOMPARE(std::count(none.begin(), none.end(), 1), 0);
    }

    // No word: no test, so the list fill keeps every drink.
    void emptyQueryHasNoTest() {
        TestTables t;
        RecipeTextIndex index;
        QVERIFY(!FullTextQuery(u" \t "_s).recordTest(index, t.re()));
        QVERIFY(FullTextQuery(u"eis"_s).recordTest(index, t.re()));
    }
};

VELTA_TEST_MAIN_CORE(TestFullTextQuery)
#include "tst_fulltextquery.moc"
