#include "ShippedDataCopy.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "common/IngredientLookup.h"
#include "editors/RecipeWriter.h"
#include "exchange/BarGlossary.h"
#include "exchange/JsonLdError.h"
#include "exchange/JsonLdExport.h"
#include "exchange/JsonLdImport.h"
#include "store/DbfFile.h"
#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/TableSchemas.h"

#include <QDir>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

const int kDashesPerCl = 12;

// JSON written with single quotes, so that the test tables stay readable.
QByteArray json(const char* text) {
    return QByteArray(text).replace('\'', '"');
}

QList<QByteArray> tableBytes(const QString& folder) {
    QList<QByteArray> bytes;
    for (const char* name : {"RE.DBF", "RE.SMT", "ZU.DBF", "ZU.SMT"})
        bytes << TestFiles::readAll(QDir(folder).filePath(QString::fromLatin1(name)));
    return bytes;
}

void emptyTable(const QString& folder, const char* name, const QList<DbfFile::Definition>& fields) {
    for (const char* ext : {".DBF", ".SMT"})
        QFile::remove(QDir(folder).filePath(QString::fromLatin1(name) + QString::fromLatin1(ext)));
    DbfFile::create(QDir(folder).filePath(QString::fromLatin1(name) + u".DBF"_s), DbfFile::kVersionSmt,
                    fields);
}

// A recipe record as text, its ingredients by name, unit and amount: what must survive a trip
// into another data set whose ingredient numbers differ.
using IngredientNames = QHash<int, QString>;

// Each ingredient by number as "name [unit kind]".
IngredientNames ingredientNames(TApollo& zu) {
    IngredientNames names;
    for (zu.GoTop(); !zu.Eof(); zu.Skip(1))
        names.insert(int(zu.GetInteger(Fields::Ingredient::Number)),
                     zu.GetTrimString(Fields::Ingredient::Name) + u" ["_s +
                         QString::number(zu.GetInteger(Fields::Ingredient::Unit)) + u']');
    return names;
}

QStringList recordText(TApollo& re, const IngredientNames& names) {
    QStringList text;
    for (const QString& field : {Fields::Recipe::Name, Fields::Recipe::Picture, Fields::Recipe::OwnPhoto})
        text << re.GetTrimString(field);
    for (const QString& field : {Fields::Recipe::Category, Fields::Recipe::Taste, Fields::Recipe::Decoration,
                                 Fields::Recipe::Mark, Fields::Recipe::AssistantCode})
        text << QString::number(re.GetInteger(field));
    text << re.GetMemo(Fields::Recipe::Instructions);
    const IngredientSlots slotList(re.GetPaddedString(Fields::Recipe::Ingredients),
                                   re.GetPaddedString(Fields::Recipe::Amounts));
    for (const IngredientSlots::Line& line : slotList.lines())
        text << names.value(line.ingredient) + u' ' + QString::number(line.amount);
    return text;
}

} // namespace

// The JSON-LD import on a copy of the shipped data: new recipes only, ingredients found or
// created by name, and nothing written for a file that cannot be imported whole.
class TestJsonLdImport : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    ExchangeLists m_lists;

    QString data() const { return m_dir->filePath(u"DATEN"_s); }

    JsonLdImport::Outcome import(const QByteArray& bytes) {
        TApolloEnv env;
        return JsonLdImport::run(env, data(), bytes, m_lists, kDashesPerCl);
    }

    // The last count records of the recipe table, read through fresh tables.
    QList<QStringList> lastRecords(int count) {
        DataTables tables;
        tables.openMainTables(data(), true);
        QList<QStringList> records;
        const IngredientNames names = ingredientNames(tables.ApolloZutaten);
        const int total = tables.ApolloRezepte.RecCount();
        for (int recNo = total - count + 1; recNo <= total; ++recNo) {
            tables.ApolloRezepte.Go(recNo);
            records << recordText(tables.ApolloRezepte, names);
        }
        return records;
    }

    QString importError(const QByteArray& bytes) {
        try {
            import(bytes);
        } catch (const JsonLdError& error) {
            return error.text();
        }
        return {};
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(ShippedDataCopy::make(data()));
        DataTables tables;
        tables.openMainTables(data(), true);
        m_lists = ShippedDataCopy::lists(data(), tables);
    }

    // The whole shipped set exported and imported into a set without recipes gives the same
    // recipes: with the shipped ingredient table every field is equal, ingredient numbers and
    // alcohol values included; with an empty one the ingredients arrive by name and unit.
    void roundTripOfShippedSet_data() {
        QTest::addColumn<bool>("keepIngredients");
        QTest::newRow("shipped ingredient table") << true;
        QTest::newRow("empty ingredient table") << false;
    }
    void roundTripOfShippedSet() {
        QFETCH(bool, keepIngredients);
        QList<QStringList> original;
        QStringList numbers;
        QByteArray file;
        {
            DataTables tables;
            tables.openMainTables(data(), true);
            TApollo& re = tables.ApolloRezepte;
            const QList<int> recNos = JsonLdExport::allRecNos(re);
            const IngredientNames names = ingredientNames(tables.ApolloZutaten);
            QList<ExchangeRecipe> recipes;
            for (const int recNo : recNos) {
                recipes << JsonLdExport::read(re, tables.ApolloZutaten, m_lists, recNo);
                re.Go(recNo);
                original << recordText(re, names);
                numbers << re.GetPaddedString(Fields::Recipe::Ingredients) + u'|' +
                               re.GetPaddedString(Fields::Recipe::Amounts) + u'|' +
                               QString::number(re.GetInteger(Fields::Recipe::Alcohol));
            }
            file = JsonLdExport::document(recipes);
        }
        QVERIFY(original.size() > 1000);
        emptyTable(data(), "RE", TableSchemas::recipes());
        if (!keepIngredients)
            emptyTable(data(), "ZU", TableSchemas::ingredients());

        const JsonLdImport::Outcome outcome = import(file);
        QCOMPARE(outcome.recipes, original.size());
        QVERIFY(outcome.warnings.isEmpty());
        QCOMPARE(outcome.created.isEmpty(), keepIngredients);

        DataTables tables;
        tables.openMainTables(data(), true);
        TApollo& re = tables.ApolloRezepte;
        QCOMPARE(re.RecCount(), original.size());
        const IngredientNames names = ingredientNames(tables.ApolloZutaten);
        for (int recNo = 1; recNo <= re.RecCount(); ++recNo) {
            re.Go(recNo);
            QCOMPARE(recordText(re, names), original.at(recNo - 1));
            if (keepIngredients)
                QCOMPARE(re.GetPaddedString(Fields::Recipe::Ingredients) + u'|' +
                             re.GetPaddedString(Fields::Recipe::Amounts) + u'|' +
                             QString::number(re.GetInteger(Fields::Recipe::Alcohol)),
                         numbers.at(recNo - 1));
        }
    }

    void invalidFileWritesNothing_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QString where = u"Rezept 1 („Probe“), Eigenschaft "_s;
        QTest::newRow("not JSON") << json("[{\"@type\": \"Recipe\",}]")
                                  << u"Die Datei ist keine gültige JSON-Datei (Fehler bei Zeichen 22)."_s;
        QTest::newRow("empty array") << json("[]") << u"Die Datei enthält keine Rezepte."_s;
        QTest::newRow("graph without recipe") << json("{'@graph': [{'@type': 'WebPage', 'name': 'x'}]}")
                                              << u"Die Datei enthält keine Rezepte."_s;
        QTest::newRow("array of other things")
            << json("[42, {'@type': 'HowTo', 'name': 'Probe', 'recipeIngredient': ['Minze']}]")
            << u"Die Datei enthält keine Rezepte."_s;
        QTest::newRow("no name") << json("[{'@type': 'Recipe', 'recipeIngredient': ['Minze']}]")
                                 << u"Rezept 1, Eigenschaft „name“: Das Rezept hat keinen Namen."_s;
        QTest::newRow("name not text")
            << json("[{'@type': 'Recipe', 'name': 7, 'recipeIngredient': ['Minze']}]")
            << u"Rezept 1, Eigenschaft „name“: Das Rezept hat keinen Namen."_s;
        QTest::newRow("no ingredients") << json("[{'@type': 'Recipe', 'name': 'Probe'}]")
                                        << where + u"„recipeIngredient“: Das Rezept hat keine Zutaten."_s;
        QTest::newRow("only empty lines")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['', ' ']}]")
            << where + u"„recipeIngredient“: Das Rezept hat keine Zutaten."_s;
        QTest::newRow("ingredients as number")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': 4}]")
            << where + u"„recipeIngredient“: Liste von Texten erwartet."_s;
        QTest::newRow("ingredient not text")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['4 cl Gin', 4]}]")
            << where + u"„recipeIngredient“: Zutat 2 ist kein Text."_s;
        QTest::newRow("instructions as number")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['Minze'], "
                    "'recipeInstructions': 3}]")
            << where + u"„recipeInstructions“: Text oder Liste von Schritten (HowToStep) erwartet."_s;
        QTest::newRow("step without text")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['Minze'],"
                    "                        'recipeInstructions': [{'@type': 'HowToStep', 'position': 1}]}]")
            << where +
                   u"„recipeInstructions“: Jeder Schritt muss ein Text, ein HowToStep mit „text“ oder eine "
                   u"HowToSection sein."_s;
        QTest::newRow("category as number") << json("[{'@type': 'Recipe', 'name': 'Probe', "
                                                    "'recipeIngredient': ['Minze'], 'recipeCategory': 4}]")
                                            << where + u"„recipeCategory“: Text erwartet."_s;
        QTest::newRow("image as number")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['Minze'], 'image': 4}]")
            << where + u"„image“: Adresse (URL) als Text erwartet."_s;
        // The first recipe would import; the second spoils the file, so neither arrives.
        QTest::newRow("second recipe invalid")
            << json("[{'@type': 'Recipe', 'name': 'Gut', 'recipeIngredient': ['4 cl Neuer Likör']},"
                    "                        {'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': []}]")
            << u"Rezept 2 („Probe“), Eigenschaft „recipeIngredient“: Das Rezept hat keine Zutaten."_s;
    }
    void invalidFileWritesNothing() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        const QList<QByteArray> before = tableBytes(data());
        QCOMPARE(importError(file), message);
        QCOMPARE(tableBytes(data()), before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"DATEN"_s});
    }

    // Taken names get " (Import)", then a number; the whole stays within the 40 characters of
    // the name field.
    void namesMadeUnique() {
        const QString long40 = u"Ein sehr langer Drinkname für die Probe!"_s;
        QCOMPARE(long40.size(), 40);
        QByteArray file = "[";
        for (const QString& name :
             QStringList{u"Bellini"_s, u"bellini"_s, u"Bellini"_s, long40, long40 + u"xyz"_s})
            file += "{\"@type\": \"Recipe\", \"name\": \"" + name.toUtf8() +
                    "\", \"recipeIngredient\": [\"Minze\"]},";
        file.chop(1);
        QCOMPARE(import(file + "]").recipes, 5);
        QStringList names;
        for (const QStringList& record : lastRecords(5))
            names << record.first();
        QCOMPARE(names, QStringList({u"Bellini (Import)"_s, u"bellini (Import 2)"_s, u"Bellini (Import 3)"_s,
                                     long40, u"Ein sehr langer Drinkname für d (Import)"_s}));
    }

    // Unknown ingredients are created once, numbered after the highest number (at least 400),
    // in the line's unit, alcohol 0; known ones are found by name whatever the letter case. The
    // recipe's alcohol value follows the editor's rule.
    void ingredientsFoundOrCreated() {
        int highest = 0;
        {
            DataTables tables;
            tables.openMainTables(data(), true);
            for (tables.ApolloZutaten.GoTop(); !tables.ApolloZutaten.Eof(); tables.ApolloZutaten.Skip(1))
                highest = std::max(highest, int(tables.ApolloZutaten.GetInteger(Fields::Ingredient::Number)));
        }
        const JsonLdImport::Outcome outcome =
            import(json("["
                        "            {'@type': 'Recipe', 'name': 'Erste Probe', 'recipeIngredient': ['4 cl "
                        "Drachenfruchtlikör', '2 cl WODKA', 'Eiswürfel']},"
                        "            {'@type': 'Recipe', 'name': 'Zweite Probe', 'recipeIngredient': ['3 cl "
                        "drachenfruchtlikör', '1 St Sternfrucht', 'Salzflocken']}]"));
        QCOMPARE(outcome.recipes, 2);
        QCOMPARE(outcome.created, strings({"Drachenfruchtlikör", "Sternfrucht", "Salzflocken"}));
        const int first = std::max(highest + 1, 400);

        DataTables tables;
        tables.openMainTables(data(), true);
        TApollo& zu = tables.ApolloZutaten;
        const QList<std::tuple<int, QString, int>> created = {{first, u"Drachenfruchtlikör"_s, 0},
                                                              {first + 1, u"Sternfrucht"_s, 2},
                                                              {first + 2, u"Salzflocken"_s, 3}};
        for (const auto& [number, name, unit] : created) {
            QVERIFY(IngredientLookup::seek(zu, number));
            QCOMPARE(zu.GetTrimString(Fields::Ingredient::Name), name);
            QCOMPARE(zu.GetInteger(Fields::Ingredient::Unit), unit);
            QCOMPARE(zu.GetInteger(Fields::Ingredient::Alcohol), 0);
        }
        TApollo& re = tables.ApolloRezepte;
        re.GoBottom();
        QCOMPARE(
            recordText(re, ingredientNames(zu)).mid(9),
            QStringList({u"Drachenfruchtlikör [0] 3"_s, u"Sternfrucht [2] 1"_s, u"Salzflocken [3] 0"_s}));
        re.Skip(-1);
        const QList<RecipeLine> lines = {{first, 4, {}}, {45, 2, {}}, {1, 0, {}}};
        QCOMPARE(re.GetInteger(Fields::Recipe::Alcohol),
                 RecipeWriter::slotFields(zu, lines, kDashesPerCl).alk);
        QVERIFY(re.GetInteger(Fields::Recipe::Alcohol) > 0);
    }

    // Category, taste and decoration by name (letter case and accents ignored), from the words of
    // the keywords or an earlier export's labels; a category that is not there falls back to
    // Shortdrink, never to none. Foreign keywords and image addresses are passed over.
    void classificationsAndPhotos_data() {
        QTest::addColumn<QByteArray>("properties");
        QTest::addColumn<QStringList>("fields"); // BILD, EIGEN, KAT, GESCH, DEKO, CANR
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("labels of an earlier export")
            << json("'recipeCategory': 'sour', 'keywords': 'Sommer, Geschmack: HERB, Dekoration: "
                    "Ananasblatt, Cocktailassistent: 1234', 'image': 'BILDER/00/7.BMP'")
            << strings({"7", "", "5", "3", "22", "1234"}) << QStringList();
        QTest::newRow("words and identifiers")
            << json(
                   "'recipeCategory': 'Longdrink', 'keywords': 'Wurzig, Selleriestange, alkoholfrei', "
                   "'image': 'Rezepte-Bilder/3.png', 'identifier': [{'@type': 'PropertyValue', 'propertyID': "
                   "'Cocktailassistent', 'value': '4413'}, {'@type': 'PropertyValue', 'propertyID': 'Foto', "
                   "'value': 'BILDER/00/3.BMP'}]")
            << strings({"3", "", "3", "6", "20", "4413"}) << QStringList();
        QTest::newRow("own photo, keywords as list")
            << json("'keywords': ['Geschmack: süß', 'Party'], 'image': {'@type': 'ImageObject', 'url': "
                    "'eigene/MEIN_1.bmp'}, 'recipeCategory': ['Tiki', 'Sommer']")
            << strings({"e", "MEIN_1", "9", "2", "0", "0"}) << QStringList();
        QTest::newRow("category from a keyword")
            << json("'recipeCategory': 'Drinks', 'keywords': 'summer, mocktails'")
            << strings({"e", "", "13", "0", "0", "0"}) << QStringList();
        QTest::newRow("foreign image, unknown category")
            << json("'recipeCategory': 'Sommerdrink', 'image': ['https://example.org/a.jpg']")
            << strings({"e", "", "4", "0", "0", "0"})
            << QStringList{
                   u"Kategorie „Sommerdrink“ gibt es nicht: 1 Rezept unter „Shortdrink“ eingeordnet."_s};
        QTest::newRow("unknown decoration, no category")
            << json("'keywords': 'Dekoration: Papierschirmchen'") << strings({"e", "", "4", "0", "0", "0"})
            << QStringList{
                   u"Rezept 1 („Probe“): Dekoration „Papierschirmchen“ gibt es nicht; ohne Zuordnung übernommen."_s,
                   u"Ohne Kategorie: 1 Rezept unter „Shortdrink“ eingeordnet."_s};
    }
    void classificationsAndPhotos() {
        QFETCH(QByteArray, properties);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, warnings);
        const JsonLdImport::Outcome outcome = import(
            json("{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['Minze'], ") + properties + "}");
        QCOMPARE(outcome.warnings, warnings);
        const QStringList record = lastRecords(1).first();
        QCOMPARE(
            (QStringList{record.at(1), record.at(2), record.at(3), record.at(4), record.at(5), record.at(7)}),
            fields);
    }

    // Instructions as text or as steps, the remark from the description, line breaks as the memo
    // keeps them; a recipe inside a page's graph.
    void instructionsAndRemark_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("memo");
        QTest::newRow("steps and description")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['Minze'], 'description': "
                    "'Gut\\nkalt',"
                    "                        'recipeInstructions': [{'@type': 'HowToStep', 'text': "
                    "'Schütteln.'}, ' ', 'Abseihen.']}]")
            << u"Schütteln.\r\nAbseihen.þýGut\r\nkalt"_s;
        QTest::newRow("text in a graph")
            << json("{'@context': 'https://schema.org', '@graph': [{'@type': 'WebPage', 'name': 'Seite'},"
                    "                        {'@type': ['Recipe'], 'name': 'Probe', 'recipeIngredient': "
                    "['Minze'], 'recipeInstructions': 'Rühren.\\r\\nServieren.'}]}")
            << u"Rühren.\r\nServieren."_s;
        QTest::newRow("sections, a step by its name, our strength line dropped")
            << json(
                   "{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['Minze'], 'description': "
                   "'Frisch.\\n\\nAlkoholgehalt: 12 % vol.', 'recipeInstructions': [{'@type': "
                   "'HowToSection', "
                   "'name': 'Vorbereitung', 'itemListElement': [{'@type': 'HowToStep', 'text': 'Kühlen.'}]}, "
                   "{'@type': 'HowToSection', 'name': 'Mixen', 'itemListElement': [{'@type': 'HowToStep', "
                   "'name': 'Rühren.'}]}]}")
            << u"Vorbereitung\r\nKühlen.\r\nMixen\r\nRühren.þýFrisch."_s;
    }
    void instructionsAndRemark() {
        QFETCH(QByteArray, file);
        QFETCH(QString, memo);
        QCOMPARE(import(file).recipes, 1);
        const QStringList record = lastRecords(1).first();
        QCOMPARE(record.at(0), u"Probe"_s);
        QCOMPARE(record.at(8), memo);
    }

    // Characters the tables cannot hold arrive as "?", and the user is told.
    void charactersOutsideTheCodePage() {
        const JsonLdImport::Outcome outcome =
            import(json("{'@type': 'Recipe', 'name': 'Kirsch 🍒', 'recipeIngredient': ['Minze'], "
                        "'recipeCategory': 'Tiki', 'recipeInstructions': 'Umrühren.'}"));
        QCOMPARE(
            outcome.warnings,
            QStringList{
                u"Rezept 1 („Kirsch 🍒“): Zeichen, die die Tabellen nicht fassen, wurden durch „?“ ersetzt."_s});
        QVERIFY(lastRecords(1).first().first().startsWith(u"Kirsch ?"_s));
    }

    // Recipes as recipe sites and other programs publish them, English and German, in every shape
    // (one object, an array, a page's graph, item lists, sections, several servings), each recipe
    // with its category and every line as stored. The amounts were worked out by hand: 1 oz =
    // 2.957 cl, tsp 0.5 cl, EL 1.5 cl, 1 cl = 10 g, halves up, above 0 at least 1, a range its
    // middle, the yield divided out.
    void webCorpus_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("recipes"); // name | category | ingredient [unit] amount, ...
        QTest::addColumn<QStringList>("created");
        QTest::newRow("one recipe object")
            << u"01-einzeln-en.json"_s
            << strings({"Daiquiri (Import) | Sour | Weißer Rum [0] 6, Limettensaft [0] 3, Zuckersirup [0] 2"})
            << QStringList();
        QTest::newRow("array of another program")
            << u"02-liste-en.json"_s
            << strings({"Whiskey Sour (Import) | Sour | Bourbon Whiskey [0] 6, Zitronensaft [0] 2, "
                        "Zuckersirup [0] 2, "
                        "Eiweiß [2] 1, Angostura Bitter [4] 2, Zitrone (Scheibe) [2] 0",
                        "Old Fashioned (Import) | Shortdrink | Rye Whiskey [0] 6, Würfelzucker [2] 1, "
                        "Angostura Bitter [4] 2, Orangenbitter [4] 1, Orange peel [3] 0",
                        "Tommy's Margarita (Import) | Sour | Tequila Reposado [0] 6, Limettensaft [0] 3, "
                        "Agavendicksaft [0] 1"})
            << strings({"Orange peel"});
        QTest::newRow("page graph") << u"03-seite-en.json"_s
                                    << strings({"Classic Margarita | Shortdrink | Tequila Silber [0] 4, "
                                                "Triple Sec [0] 3, Limettensaft [0] 2, "
                                                "Salz [3] 0",
                                                "Mojito Classic | Highball | Minze [3] 0, Limette [2] 1, "
                                                "Zucker [1] 10, Weißer Rum [0] 6, "
                                                "Soda [0] 0, Eiswürfel [3] 0",
                                                "Tom Collins Deluxe | Collins | Gin [0] 6, Zitronensaft [0] "
                                                "3, Zuckersirup [0] 1, Soda [0] 9, "
                                                "Zitrone (Scheibe) [2] 0"})
                                    << QStringList();
        QTest::newRow("item list")
            << u"04-itemlist-en.json"_s
            << strings(
                   {"Sidecar (Import) | Sour | Cognac [0] 4, Triple Sec [0] 2, Zitronensaft [0] 2",
                    "Gimlet (Import) | Shortdrink | Gin [0] 6, Limettensaft [0] 2, Zuckersirup [0] 2",
                    "Manhattan (Import) | Digestif | Rye Whiskey [0] 6, Wermut rot [0] 3, Angostura Bitter "
                    "[4] 2, "
                    "brandied cherry [2] 1",
                    "Dry Martini (Import) | Aperitif | Gin [0] 7, Wermut trocken [0] 1, Orangenbitter [4] 1, "
                    "olive [2] 1",
                    "Mai Tai (Import) | Tiki | Goldener Rum [0] 6, Limettensaft [0] 2, Trockener Curaçao [0] "
                    "1, "
                    "Mandelsirup (Orgeat) [0] 1, Zuckersirup [0] 1, Minze [3] 0",
                    "Piña Colada (Import) | Frozen Drink | Weißer Rum [0] 6, Kokoscreme [0] 4, Ananassaft "
                    "[0] 4, "
                    "Crushed Ice [3] 0",
                    "Moscow Mule (Import) | Highball | Wodka [0] 6, Limettensaft [0] 1, Ginger Beer [0] 12, "
                    "Limette [2] 0",
                    "Paloma (Import) | Highball | Tequila Silber [0] 6, Limettensaft [0] 1, Salz [3] 0, "
                    "Grapefruitsaft [0] 12, Soda [0] 3",
                    "Aviation (Import) | Sour | Gin [0] 6, Maraschino [0] 1, Crème de Violette [0] 1, "
                    "Zitronensaft [0] 2",
                    "French 75 (Import) | Champagnercocktail | Gin [0] 3, Zitronensaft [0] 1, Zuckersirup "
                    "[0] 1, "
                    "Champagner [0] 9",
                    "Bee's Knees (Import) | Sour | Gin [0] 6, Honigsirup [0] 2, Zitronensaft [0] 2",
                    "Dark 'n' Stormy (Import) | Highball | Brauner Rum [0] 6, Limettensaft [0] 1, "
                    "Ginger Beer [0] 12"})
            << strings({"brandied cherry", "olive"});
        QTest::newRow("German page, list as main entity")
            << u"05-seite-de.json"_s
            << strings(
                   {"Caipirinha Deluxe | Longdrink | Limette [2] 1, Rohrzucker [1] 10, Cachaça [0] 5, "
                    "Crushed Ice [3] 0",
                    "Hugo (Import) | Aperitif | Holunderblütensirup [0] 2, Prosecco [0] 10, Mineralwasser "
                    "[0] 5, "
                    "Minzzweige [2] 2, Limettenscheibe [2] 1, Eiswürfel [3] 0",
                    "Cuba Libre Spezial | Longdrink | Brauner Rum [0] 5, Limette [2] 1, Cola [0] 12, "
                    "Eiswürfel [3] 0",
                    "Gin Tonic mit Gurke | Highball | Gin [0] 4, Tonic Water [0] 12, Gurkenscheibe [3] 0, "
                    "Eiswürfel [3] 0",
                    "Tequila Sunrise Haus | Longdrink | Tequila Silber [0] 6, Orangensaft [0] 12, Grenadine "
                    "[0] 2, "
                    "Orangenscheibe [3] 0",
                    "Espresso Martini Haus | Shortdrink | Wodka [0] 4, Kaffeelikör [0] 2, Espresso [0] 3, "
                    "Zuckersirup [0] 1"})
            << strings({"Minzzweige", "Limettenscheibe", "Gurkenscheibe", "Orangenscheibe"});
        QTest::newRow("sections and servings")
            << u"06-abschnitte-de.json"_s
            << strings(
                   {"Erdbeerbowle für vier | Punsch und Bowle | Erdbeeren [2] 0, Zuckersirup [0] 1, "
                    "Weißwein [0] 19, Sekt [0] 5, Zitronensaft [0] 1, Minze [3] 0",
                    "Gin Basil Smash Haus | Julep und Smash | Gin [0] 6, Zitronensaft [0] 3, Zuckersirup [0] "
                    "2, "
                    "Basilikum [3] 0",
                    "Eierpunsch (Import) | Heißgetränk | Eigelb [2] 1, Zucker [1] 25, Vanilleschote [2] 1, "
                    "Weißwein [0] 8, Weinbrand [0] 3, Zitronensaft [0] 1"})
            << QStringList();
        QTest::newRow("alcohol-free")
            << u"07-mocktails-en.json"_s
            << strings(
                   {"Virgin Mojito (Import) | Alkoholfrei | Minze [3] 0, Limettensaft [0] 3, Zucker [1] 10, "
                    "Soda [0] 12",
                    "Shirley Ginger | Alkoholfrei | Ginger Ale [0] 12, Grenadine [0] 1, maraschino cherry "
                    "[2] 1",
                    "Cucumber Cooler | Alkoholfrei | cucumber juice [0] 6, Limettensaft [0] 1, Zuckersirup "
                    "[0] 1, "
                    "Soda [0] 0"})
            << strings({"maraschino cherry", "cucumber juice"});
        QTest::newRow("lines that do not read")
            << u"08-fehler-en.json"_s
            << strings(
                   {"Broken Sour | Shortdrink | Bourbon Whiskey [0] 0, Zitronensaft [0] 3, Limette [2] 0, "
                    "Zuckersirup [0] 2"})
            << QStringList();
    }
    void webCorpus() {
        QFETCH(QString, file);
        QFETCH(QStringList, recipes);
        QFETCH(QStringList, created);
        const JsonLdImport::Outcome outcome =
            import(TestFiles::readAll(QStringLiteral(VELTA_TEST_DATA_DIR "/webrecipes/") + file));
        QCOMPARE(outcome.recipes, recipes.size());
        QCOMPARE(outcome.created, created);
        DataTables tables;
        tables.openMainTables(data(), true);
        TApollo& re = tables.ApolloRezepte;
        const IngredientNames names = ingredientNames(tables.ApolloZutaten);
        QStringList stored;
        for (int recNo = re.RecCount() - int(recipes.size()) + 1; recNo <= re.RecCount(); ++recNo) {
            re.Go(recNo);
            QStringList lines;
            const IngredientSlots slotList(re.GetPaddedString(Fields::Recipe::Ingredients),
                                           re.GetPaddedString(Fields::Recipe::Amounts));
            for (const IngredientSlots::Line& line : slotList.lines())
                lines << names.value(line.ingredient) + u' ' + QString::number(line.amount);
            stored
                << re.GetTrimString(Fields::Recipe::Name) + u" | "_s +
                       m_lists.categories.value(int(re.GetInteger(Fields::Recipe::Category)) - 1).trimmed() +
                       u" | "_s + lines.join(u", "_s);
        }
        for (qsizetype i = 0; i < recipes.size(); ++i)
            QCOMPARE(stored.value(i), recipes.at(i));
    }

    // What a readable file holds that cannot go in as written is named in the closing message.
    void whatDidNotGoInIsNamed() {
        const JsonLdImport::Outcome outcome =
            import(TestFiles::readAll(QStringLiteral(VELTA_TEST_DATA_DIR "/webrecipes/08-fehler-en.json")));
        QCOMPARE(
            outcome.warnings,
            QStringList(
                {u"Rezept 1 („Broken Sour“), Zutat 1 („1/0 oz bourbon“): Menge nicht lesbar, ohne Menge "
                 u"übernommen."_s,
                 u"Rezept 1 („Broken Sour“), Zutat 3 („2 oz Limette“): „Limette“ wird in St gemessen, nicht "
                 u"in oz; ohne Menge übernommen."_s,
                 u"Ohne Kategorie: 1 Rezept unter „Shortdrink“ eingeordnet."_s}));
        QByteArray many =
            json("[{'@type': 'Recipe', 'name': 'Lang', 'recipeCategory': 'Tiki', 'recipeIngredient': [");
        for (int i = 1; i <= 22; ++i)
            many += (i > 1 ? "," : "") + QByteArray("\"1 cl Zutat ") + QByteArray::number(i) + "\"";
        const JsonLdImport::Outcome long22 =
            import(many + json("]}, {'@type': 'Recipe', 'name': 'Ohne', "
                               "'recipeCategory': 'Tiki', 'recipeIngredient': "
                               "['4 cl', 'Minze']}]"));
        QCOMPARE(long22.recipes, 2);
        QCOMPARE(long22.created.size(), 20);
        QCOMPARE(
            long22.warnings,
            QStringList({u"Rezept 1 („Lang“): 22 Zutaten; ein Rezept hat höchstens 20, die übrigen wurden "
                         u"weggelassen."_s,
                         u"Rezept 2 („Ohne“), Zutat 1 („4 cl“): keine Zutat genannt, weggelassen."_s}));
        QCOMPARE(lastRecords(2).at(0).size(), 9 + 20);
    }

    // Every name the glossary gives is an ingredient or a category of the shipped data.
    void glossaryNamesExist() {
        DataTables tables;
        tables.openMainTables(data(), true);
        const IngredientNames names = ingredientNames(tables.ApolloZutaten);
        QSet<QString> ingredients;
        for (const QString& name : names)
            ingredients << name.left(name.lastIndexOf(u" ["_s));
        QVERIFY(BarGlossary::ingredients().size() >= 100);
        for (const BarGlossary::Entry& entry : BarGlossary::ingredients())
            QVERIFY2(ingredients.contains(entry.german),
                     qPrintable(entry.english + u" -> "_s + entry.german));
        QStringList categories;
        for (const QString& name : m_lists.categories)
            categories << name.trimmed();
        for (const BarGlossary::Entry& entry : BarGlossary::categories())
            QVERIFY2(categories.contains(entry.german), qPrintable(entry.german));
        QVERIFY(categories.contains(JsonLdImport::fallbackCategory()));
    }

    // Another name of an ingredient, once the user's aliases are asked, wins before the glossary.
    void aliasesAskedBeforeTheGlossary() {
        JsonLdImport::Outcome outcome;
        {
            TApolloEnv env;
            outcome = JsonLdImport::run(env, data(),
                                        json("{'@type': 'Recipe', 'name': 'Probe', 'recipeCategory': 'Tiki', "
                                             "'recipeIngredient': ['2 cl "
                                             "Läuterzucker', '1 oz simple syrup']}"),
                                        m_lists, kDashesPerCl, [](const QString& name) {
                                            return name == u"Läuterzucker"_s || name == u"simple syrup"_s
                                                       ? u"Rohrzuckersirup"_s
                                                       : QString();
                                        });
        }
        QVERIFY(outcome.created.isEmpty());
        QCOMPARE(lastRecords(1).first().mid(9), strings({"Rohrzuckersirup [0] 2", "Rohrzuckersirup [0] 3"}));
    }

    void doneText_data() {
        QTest::addColumn<int>("recipes");
        QTest::addColumn<QStringList>("created");
        QTest::addColumn<QString>("text");
        QTest::newRow("one") << 1 << QStringList() << u"1 Rezept importiert."_s;
        QTest::newRow("several, one new ingredient")
            << 3 << strings({"Sternfrucht"})
            << u"3 Rezepte importiert.\r1 Zutat wurde neu angelegt (Alkoholgehalt 0 %): Sternfrucht"_s;
        QTest::newRow("new ingredients")
            << 2 << strings({"Sternfrucht", "Salzflocken"})
            << u"2 Rezepte importiert.\r2 Zutaten wurden neu angelegt (Alkoholgehalt 0 %): Sternfrucht, Salzflocken"_s;
    }
    void doneText() {
        QFETCH(int, recipes);
        QFETCH(QStringList, created);
        QFETCH(QString, text);
        QCOMPARE(JsonLdImport::doneText({recipes, created, {}}), text);
    }
};

VELTA_TEST_MAIN_CORE(TestJsonLdImport)
#include "tst_jsonldimport.moc"
