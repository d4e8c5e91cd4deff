#include "ShippedDataCopy.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "common/IngredientLookup.h"
#include "editors/RecipeWriter.h"
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
        QCOMPARE(outcome.ingredients > 0, !keepIngredients);

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
        const QString unreadable =
            u" ist nicht lesbar: erwartet wird „Menge Einheit Zutat“ mit einer ganzen Menge bis 9999 und der "
            u"Einheit cl, g, St oder dash, oder die Zutat allein."_s;
        QTest::newRow("not JSON") << json("[{\"@type\": \"Recipe\",}]")
                                  << u"Die Datei ist keine gültige JSON-Datei (Fehler bei Zeichen 22)."_s;
        QTest::newRow("empty array") << json("[]") << u"Die Datei enthält keine Rezepte."_s;
        QTest::newRow("graph without recipe") << json("{'@graph': [{'@type': 'WebPage', 'name': 'x'}]}")
                                              << u"Die Datei enthält keine Rezepte."_s;
        QTest::newRow("element not an object")
            << json("[42]") << u"Rezept 1: Ein Rezept muss ein JSON-Objekt sein."_s;
        QTest::newRow("other type")
            << json("[{'@type': 'HowTo', 'name': 'Probe', 'recipeIngredient': ['Minze']}]")
            << u"Rezept 1, Eigenschaft „@type“: Das Objekt ist kein schema.org-Rezept („Recipe“)."_s;
        QTest::newRow("no name") << json("[{'@type': 'Recipe', 'recipeIngredient': ['Minze']}]")
                                 << u"Rezept 1, Eigenschaft „name“: Das Rezept hat keinen Namen."_s;
        QTest::newRow("name not text")
            << json("[{'@type': 'Recipe', 'name': 7, 'recipeIngredient': ['Minze']}]")
            << u"Rezept 1, Eigenschaft „name“: Das Rezept hat keinen Namen."_s;
        QTest::newRow("no ingredients") << json("[{'@type': 'Recipe', 'name': 'Probe'}]")
                                        << where + u"„recipeIngredient“: Das Rezept hat keine Zutaten."_s;
        QTest::newRow("ingredients as text")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': '4 cl Gin'}]")
            << where + u"„recipeIngredient“: Liste von Texten erwartet."_s;
        QTest::newRow("ingredient not text")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['4 cl Gin', 4]}]")
            << where + u"„recipeIngredient“: Zutat 2 ist kein Text."_s;
        QTest::newRow("decimal amount")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['1,5 cl Gin']}]")
            << where + u"„recipeIngredient“: Zutat 1 („1,5 cl Gin“)"_s + unreadable;
        QTest::newRow("unknown unit")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['Minze', '20 ml Gin']}]")
            << where + u"„recipeIngredient“: Zutat 2 („20 ml Gin“)"_s + unreadable;
        QTest::newRow("unit not the ingredient's")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['4 g Gin']}]")
            << where + u"„recipeIngredient“: Zutat 1: „Gin“ wird in cl gemessen, nicht in g."_s;
        QTest::newRow("unit for an ingredient without amount")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['2 St Eiswürfel']}]")
            << where +
                   u"„recipeIngredient“: Zutat 1: „Eiswürfel“ wird in keiner Einheit gemessen, nicht in St."_s;
        QByteArray many = json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': [");
        for (int i = 1; i <= 21; ++i)
            many += (i > 1 ? "," : "") + QByteArray("\"1 cl Zutat ") + QByteArray::number(i) + "\"";
        QTest::newRow("21 ingredients")
            << many + "]}]" << where + u"„recipeIngredient“: 21 Zutaten; ein Rezept hat höchstens 20."_s;
        QTest::newRow("instructions as number")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['Minze'], "
                    "'recipeInstructions': 3}]")
            << where + u"„recipeInstructions“: Text oder Liste von Schritten (HowToStep) erwartet."_s;
        QTest::newRow("step without text")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['Minze'],"
                    "                        'recipeInstructions': [{'@type': 'HowToStep', 'name': "
                    "'Rühren'}]}]")
            << where +
                   u"„recipeInstructions“: Jeder Schritt muss ein Text oder ein HowToStep mit „text“ sein."_s;
        QTest::newRow("category as number") << json("[{'@type': 'Recipe', 'name': 'Probe', "
                                                    "'recipeIngredient': ['Minze'], 'recipeCategory': 4}]")
                                            << where + u"„recipeCategory“: Text erwartet."_s;
        QTest::newRow("image as number")
            << json("[{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['Minze'], 'image': 4}]")
            << where + u"„image“: Adresse (URL) als Text erwartet."_s;
        // The first recipe would import; the second spoils the file, so neither arrives.
        QTest::newRow("second recipe invalid")
            << json("[{'@type': 'Recipe', 'name': 'Gut', 'recipeIngredient': ['4 cl Neuer Likör']},"
                    "                        {'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['4 cl "
                    "Neuer Likör', '4 g Gin']}]")
            << u"Rezept 2 („Probe“), Eigenschaft „recipeIngredient“: Zutat 2: „Gin“ wird in cl gemessen, nicht in g."_s;
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
        QCOMPARE(outcome.ingredients, 3);
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

    // Category, taste and decoration by name (letter case ignored); unknown ones leave the field
    // empty and are reported. Foreign keywords and image addresses are ignored.
    void classificationsAndPhotos_data() {
        QTest::addColumn<QByteArray>("properties");
        QTest::addColumn<QStringList>("fields"); // BILD, EIGEN, KAT, GESCH, DEKO, CANR
        QTest::addColumn<QString>("warning");
        QTest::newRow("all known")
            << json("'recipeCategory': 'sour', 'keywords': 'Sommer, Geschmack: HERB, Dekoration: "
                    "Ananasblatt, Cocktailassistent: 1234', 'image': 'BILDER/00/7.BMP'")
            << strings({"7", "", "5", "3", "22", "1234"}) << QString();
        QTest::newRow("own photo, keywords as list")
            << json("'keywords': ['Geschmack: süß', 'Party'], 'image': {'@type': 'ImageObject', 'url': "
                    "'eigene/MEIN_1.bmp'}, 'recipeCategory': ['Tiki', 'Sommer']")
            << strings({"e", "MEIN_1", "9", "2", "0", "0"}) << QString();
        QTest::newRow("foreign image, unknown category")
            << json("'recipeCategory': 'Sommerdrink', 'image': ['https://example.org/a.jpg']")
            << strings({"e", "", "0", "0", "0", "0"})
            << u"Rezept 1 („Probe“): Kategorie „Sommerdrink“ gibt es nicht; ohne Zuordnung übernommen."_s;
        QTest::newRow("unknown decoration")
            << json("'keywords': 'Dekoration: Papierschirmchen'") << strings({"e", "", "0", "0", "0", "0"})
            << u"Rezept 1 („Probe“): Dekoration „Papierschirmchen“ gibt es nicht; ohne Zuordnung übernommen."_s;
    }
    void classificationsAndPhotos() {
        QFETCH(QByteArray, properties);
        QFETCH(QStringList, fields);
        QFETCH(QString, warning);
        const JsonLdImport::Outcome outcome = import(
            json("{'@type': 'Recipe', 'name': 'Probe', 'recipeIngredient': ['Minze'], ") + properties + "}");
        QCOMPARE(outcome.warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
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
                        "'recipeInstructions': 'Umrühren.'}"));
        QCOMPARE(
            outcome.warnings,
            QStringList{
                u"Rezept 1 („Kirsch 🍒“): Zeichen, die die Tabellen nicht fassen, wurden durch „?“ ersetzt."_s});
        QVERIFY(lastRecords(1).first().first().startsWith(u"Kirsch ?"_s));
    }

    void doneText_data() {
        QTest::addColumn<int>("recipes");
        QTest::addColumn<int>("ingredients");
        QTest::addColumn<QString>("text");
        QTest::newRow("one") << 1 << 0 << u"1 Rezept importiert."_s;
        QTest::newRow("several, one new ingredient")
            << 3 << 1 << u"3 Rezepte importiert.\r1 Zutat wurde neu angelegt (Alkoholgehalt 0 %)."_s;
        QTest::newRow("new ingredients")
            << 2 << 4 << u"2 Rezepte importiert.\r4 Zutaten wurden neu angelegt (Alkoholgehalt 0 %)."_s;
    }
    void doneText() {
        QFETCH(int, recipes);
        QFETCH(int, ingredients);
        QFETCH(QString, text);
        QCOMPARE(JsonLdImport::doneText({recipes, ingredients, {}}), text);
    }
};

VELTA_TEST_MAIN_CORE(TestJsonLdImport)
#include "tst_jsonldimport.moc"
