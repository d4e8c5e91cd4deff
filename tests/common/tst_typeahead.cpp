#include "TypedSpelling.h"
#include "VeltaTest.h"
#include "common/AliasFile.h"
#include "common/Aliases.h"
#include "common/KeyboardSearch.h"
#include "common/ListCollation.h"
#include "common/TextFold.h"
#include "common/TypeAhead.h"

#include <QDir>
#include <QRegularExpression>

using namespace Qt::StringLiterals;
using Entries = QList<ListEntry>;

namespace {

// The shipped recipe names from the data sources, sorted as the recipe list sorts them.
Entries shippedRecipeNames() {
    static const Entries names = [] {
        Entries entries;
        const QDir folder(QStringLiteral(VELTA_SOURCE_DIR "/data/rezepte"));
        const QRegularExpression nameLine(QStringLiteral("^Name: (.+)$"),
                                          QRegularExpression::MultilineOption);
        for (const QString& file : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
            QFile f(folder.filePath(file));
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(f.readAll());
            for (auto it = nameLine.globalMatch(text); it.hasNext();)
                entries.append({it.next().captured(1).trimmed(), int(entries.size()) + 1});
        }
        ListCollation::sort(entries);
        return entries;
    }();
    return names;
}

// The shipped ingredient names from the data sources.
QStringList shippedIngredientNames() {
    QStringList names;
    const QDir folder(QStringLiteral(VELTA_SOURCE_DIR "/data/zutaten"));
    const QRegularExpression nameLine(QStringLiteral("^Name: (.+)$"), QRegularExpression::MultilineOption);
    for (const QString& file : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile f(folder.filePath(file));
        if (f.open(QIODevice::ReadOnly))
            for (auto it = nameLine.globalMatch(QString::fromUtf8(f.readAll())); it.hasNext();)
                names << it.next().captured(1).trimmed();
    }
    return names;
}

QString textAt(const Entries& entries, int index) {
    return index >= 0 ? entries.at(index).text : u"(none)"_s;
}

} // namespace

// The type-ahead of every list, on the shipped recipe names.
class TestTypeAhead : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(shippedRecipeNames().size() > 900, "the shipped recipes were not found"); }

    void shippedNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found");
        QTest::newRow("tilde dropped") << u"pina"_s << u"Piña Colada"_s;
        QTest::newRow("acute dropped") << u"chimayo"_s << u"Chimayó"_s;
        QTest::newRow("capital accent") << u"champs-ely"_s << u"Champs-Élysées"_s;
        QTest::newRow("grave accent") << u"vieux carre"_s << u"Vieux Carré"_s;
        QTest::newRow("circumflex") << u"kir pech"_s << u"Kir Pêche"_s;
        QTest::newRow("umlaut as letter") << u"gruner"_s << u"Grüner Smoothie"_s;
        QTest::newRow("umlaut spelled") << u"gruene w"_s << u"Grüne Witwe"_s;
        QTest::newRow("umlaut typed") << u"GLÜHWEIN M"_s << u"Glühwein mit Schuss"_s;
        QTest::newRow("spelled umlaut in a long word") << u"holunderbluetens"_s << u"Holunderblütenschorle"_s;
        QTest::newRow("two spellings in one name") << u"schwarzwaelder k"_s << u"Schwarzwälder Kirsch"_s;
        QTest::newRow("ae spelled") << u"pharisaeer"_s << u"Pharisäer"_s;
        QTest::newRow("oe spelled") << u"gloegg"_s << u"Glögg"_s;
        QTest::newRow("real oo after o") << u"gloo"_s << u"Gloom Chaser"_s;
        QTest::newRow("sharp s as ss") << u"suessg"_s << u"Süßgespritzter"_s;
        QTest::newRow("sharp s typed") << u"weiße h"_s << u"Weiße heiße Schokolade"_s;
        QTest::newRow("real ue kept") << u"blue m"_s << u"Blue Margarita"_s;
        QTest::newRow("real ue before Blut") << u"blue"_s << u"Blue Blazer"_s;
        // No name begins with "bluet", and none is taken for "Blut…": inside a name the ue stands for ü.
        QTest::newRow("e never dropped") << u"bluet"_s << u"Holunderblütenschorle"_s;
        QTest::newRow("queen") << u"queen"_s << u"Queen's Park Swizzle"_s;
        QTest::newRow("qu then accent") << u"quenta"_s << u"Quentão"_s;
        QTest::newRow("tequila") << u"tequila so"_s << u"Tequila Sour"_s;
        QTest::newRow("letter case") << u"BLOODY MARY"_s << u"Bloody Mary"_s;
        QTest::newRow("nothing") << u"xyzzy"_s << u"(none)"_s;
        // When no name begins with the text: a name holding it, then the closest name.
        QTest::newRow("inside a name") << u"colada"_s << u"Piña Colada"_s;
        QTest::newRow("one letter wrong") << u"margerita"_s << u"Margarita"_s;
        QTest::newRow("one letter left out") << u"caipirina"_s << u"Caipirinha"_s;
        QTest::newRow("two errors in a long name") << u"caiprinia"_s << u"Caipirinha"_s;
        QTest::newRow("short texts stay strict") << u"gni"_s << u"(none)"_s;
    }
    void shippedNames() {
        QFETCH(QString, typed);
        const Entries& names = shippedRecipeNames();
        QTEST(textAt(names, TypeAhead::find(names, typed)), "found");
    }

    // A beginning always wins over the fallbacks, and the match says which way it was found.
    void beginningWinsThenInsideThenClosest() {
        const Entries entries = {{u"Gin Fizz"_s, 1}, {u"Sloe Gin"_s, 2}, {u"Margarita"_s, 3}};
        QCOMPARE(TypeAhead::findMatch(entries, u"gin"_s).index, 0);
        QCOMPARE(int(TypeAhead::findMatch(entries, u"gin"_s).match), int(TypeAhead::Match::Start));
        QCOMPARE(TypeAhead::findMatch(entries, u"fizz"_s).index, 0);
        QCOMPARE(int(TypeAhead::findMatch(entries, u"fizz"_s).match), int(TypeAhead::Match::Inside));
        QCOMPARE(TypeAhead::findMatch(entries, u"margerita"_s).index, 2);
        QCOMPARE(int(TypeAhead::findMatch(entries, u"margerita"_s).match), int(TypeAhead::Match::Close));
        QCOMPARE(TypeAhead::findMatch(entries, u"mxrgxrxtx"_s).index, -1); // four errors
        QVERIFY(TypeAhead::matchNote(TypeAhead::findMatch(entries, u"gin"_s), u"gin"_s).isEmpty());
    }

    // Other names come after the beginnings and before the fallbacks, each entry once, in list order.
    void otherNamesBeforeTheFallbacks() {
        const Entries entries = {{u"Blutorangen-Tonic"_s, 5},
                                 {u"Campari Soda"_s, 1},
                                 {u"Garibaldi"_s, 2},
                                 {u"Orange Crush"_s, 3},
                                 {u"Wodka Orange"_s, 4}};
        const Aliases aliases(AliasFile::parse(u"Drink: wodka orange = Wodka-O, Orangen-Wodka\n"
                                               "Drink: Garibaldi = Campari Orange, Campari-O\n"
                                               "Drink: Martinez = Campari Ohne\n"_s));
        const auto found = [&](const QString& typed) {
            QStringList seen;
            for (const TypeAhead::Found& f : TypeAhead::matches(entries, typed, aliases.drinkNames()))
                seen << entries.at(f.index).text + u' ' + QString::number(int(f.match)) + u' ' + f.otherName;
            return seen;
        };
        // Start 0, other name 1, inside 2, close 3; a rule naming no entry finds nothing.
        QCOMPARE(found(u"campari"_s), (QStringList{u"Campari Soda 0 "_s, u"Garibaldi 1 Campari Orange"_s}));
        QCOMPARE(found(u"wodka"_s), (QStringList{u"Wodka Orange 0 "_s}));
        QCOMPARE(found(u"orangen"_s), (QStringList{u"Wodka Orange 1 Orangen-Wodka"_s,
                                                   u"Blutorangen-Tonic 2 "_s, u"Orange Crush 3 "_s}));
        const TypeAhead::Found wodka = TypeAhead::findMatch(entries, u"WODKA-O"_s, 0, aliases.drinkNames());
        QCOMPARE(wodka.index, 4);
        QCOMPARE(TypeAhead::matchNote(wodka, u"WODKA-O"_s),
                 u"Kein Name beginnt mit „WODKA-O“: gefunden unter dem anderen Namen „Wodka-O“."_s);
    }

    // Every rule of the shipped file of other names names a shipped drink or ingredient, and the quick
    // search with a drink's other name lands on that drink (or on a name that begins with it).
    void shippedOtherNames() {
        QFile source(QStringLiteral(VELTA_SOURCE_DIR "/data/alias.txt"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const AliasFile file = AliasFile::parse(QString::fromUtf8(source.readAll()));
        QStringList drinks;
        for (const ListEntry& e : shippedRecipeNames())
            drinks << e.text;
        QCOMPARE(file.check(drinks, shippedIngredientNames()), QList<AliasFile::Problem>());
        const Aliases aliases(file);
        int drinkRules = 0;
        for (const AliasFile::Rule& rule : file.rules()) {
            if (rule.kind == AliasFile::Kind::Ingredient) {
                QCOMPARE(aliases.ingredientFor(TextFold::fold(rule.alias)), rule.name);
                continue;
            }
            ++drinkRules;
            const TypeAhead::Found f =
                TypeAhead::findMatch(shippedRecipeNames(), rule.alias, -1, aliases.drinkNames());
            const QString landed = textAt(shippedRecipeNames(), f.index);
            QVERIFY2(landed == rule.name || TextFold::fold(landed).startsWith(TextFold::fold(rule.alias)),
                     qPrintable(rule.alias + u" found "_s + landed));
        }
        QVERIFY(drinkRules > 60);
        QVERIFY(file.rules().size() - drinkRules > 60);
    }

    // Every shipped name is found however it is typed: with umlauts spelled out, with every
    // accent left off, in capitals.
    void everyShippedNameAnyKeyboard() {
        const Entries& names = shippedRecipeNames();
        for (int i = 0; i < int(names.size()); ++i) {
            const QString name = names.at(i).text;
            if (TextFold::fold(name) == name.toLower())
                continue; // nothing to fold: the plain type-ahead already found it
            for (const QString& typed :
                 {TypedSpelling::umlautsSpelled(name), TypedSpelling::withoutAccents(name), name.toUpper()}) {
                const int found = TypeAhead::find(names, typed);
                QVERIFY2(found >= 0 && found <= i,
                         qPrintable(name + u" typed as "_s + typed + u" found "_s + textAt(names, found)));
            }
        }
    }

    // The search starts after the given entry and wraps around.
    void findStartsAfter_data() {
        QTest::addColumn<int>("startAfter");
        QTest::addColumn<int>("found");
        QTest::newRow("from the top") << -1 << 0;
        QTest::newRow("after the first") << 0 << 2;
        QTest::newRow("wraps around") << 2 << 0;
        QTest::newRow("out of range from the top") << 9 << 0;
    }
    void findStartsAfter() {
        const Entries entries = {{u"Kümmel"_s, 1}, {u"Limette"_s, 2}, {u"Kuemmerling"_s, 3}};
        QFETCH(int, startAfter);
        QTEST(TypeAhead::find(entries, u"kue"_s, startAfter), "found");
    }

    // Letters typed on a list: in quick succession they build a prefix, a pause begins a new one,
    // the same letter again goes on to the next entry.
    void keyboardSearch_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<int>>("pauses"); // ms before each key
        QTest::addColumn<QStringList>("selected");
        const int quick = 10;
        const int pause = 2000;
        QTest::newRow("prefix builds up")
            << QStringList{u"k"_s, u"u"_s, u"e"_s, u"m"_s} << QList<int>{quick, quick, quick, quick}
            << QStringList{u"Kir Royal"_s, u"Kümmel"_s, u"Kümmel"_s, u"Kümmel"_s};
        QTest::newRow("spelled umlaut reaches the real ue")
            << QStringList{u"k"_s, u"u"_s, u"e"_s, u"m"_s, u"m"_s, u"e"_s, u"r"_s}
            << QList<int>{quick, quick, quick, quick, quick, quick, quick}
            << QStringList{u"Kir Royal"_s, u"Kümmel"_s, u"Kümmel"_s,     u"Kümmel"_s,
                           u"Kümmel"_s,    u"Kümmel"_s, u"Kuemmerling"_s};
        QTest::newRow("same letter cycles")
            << QStringList{u"k"_s, u"k"_s, u"k"_s, u"k"_s} << QList<int>{quick, quick, quick, quick}
            << QStringList{u"Kir Royal"_s, u"Kümmel"_s, u"Kuemmerling"_s, u"Kir Royal"_s};
        QTest::newRow("pause starts anew")
            << QStringList{u"k"_s, u"u"_s, u"l"_s} << QList<int>{quick, quick, pause}
            << QStringList{u"Kir Royal"_s, u"Kümmel"_s, u"Limette"_s};
        QTest::newRow("empty text forgets the prefix")
            << QStringList{u"k"_s, QString(), u"l"_s} << QList<int>{quick, quick, quick}
            << QStringList{u"Kir Royal"_s, u"(none)"_s, u"Limette"_s};
        QTest::newRow("no match keeps nothing selected")
            << QStringList{u"x"_s} << QList<int>{quick} << QStringList{u"(none)"_s};
    }
    void keyboardSearch() {
        const Entries entries = {{u"Absinth"_s, 1},
                                 {u"Kir Royal"_s, 2},
                                 {u"Kümmel"_s, 3},
                                 {u"Kuemmerling"_s, 4},
                                 {u"Limette"_s, 5}};
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, pauses);
        QFETCH(QStringList, selected);
        KeyboardSearch search;
        int current = 0;
        QStringList seen;
        for (int k = 0; k < keys.size(); ++k) {
            const int row = search.findAfter(entries, current, keys.at(k), pauses.at(k), 1000);
            seen << textAt(entries, row);
            if (row >= 0)
                current = row;
        }
        QCOMPARE(seen, selected);
    }
};

VELTA_TEST_MAIN_CORE(TestTypeAhead)
#include "tst_typeahead.moc"
