#include "JsonLdChecker.h"
#include "ShippedDataCopy.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "exchange/JsonLdExport.h"
#include "exchange/JsonLdRecipe.h"
#include "exchange/RecipeCsv.h"
#include "store/Fields.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

// JSON written with single quotes, so that the test tables stay readable.
QByteArray json(const char* text) {
    return QByteArray(text).replace('\'', '"');
}

} // namespace

// The JSON-LD export: every exported file passes the strict checker, keywords are words, the
// photos go beside the file as PNG or into it; and the recipe list as CSV for spreadsheets.
class TestJsonLdExport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    DataTables m_tables;
    ExchangeLists m_lists;

    QString data() const { return m_dir.filePath(u"DATEN"_s); }

    JsonLdExport::Pictures pictures(bool embedded) const {
        return {embedded, QStringLiteral(VELTA_IMAGE_DIR "/BILDER"), m_dir.filePath(u"EIGENE"_s)};
    }

    int recNoOf(const QString& name) {
        TApollo& re = m_tables.ApolloRezepte;
        for (const int recNo : JsonLdExport::allRecNos(re)) {
            re.Go(recNo);
            if (re.GetTrimString(u"NAME"_s) == name)
                return recNo;
        }
        return 0;
    }

private slots:
    void initTestCase() {
        QVERIFY(ShippedDataCopy::make(data()));
        m_tables.openMainTables(data(), false);
        m_lists = ShippedDataCopy::lists(data(), m_tables);
        // The second recipe shows an own photo.
        QImage own(30, 40, QImage::Format_RGB32);
        own.fill(Qt::darkGreen);
        QDir().mkpath(m_dir.filePath(u"EIGENE"_s));
        QVERIFY(own.save(m_dir.filePath(u"EIGENE/MEIN_1.BMP"_s), "BMP"));
        TApollo& re = m_tables.ApolloRezepte;
        re.Go(2);
        re.ReplaceText(Fields::Recipe::Picture, u"e"_s);
        re.ReplaceText(Fields::Recipe::OwnPhoto, u"MEIN_1"_s);
        re.Commit();
    }

    // The whole shipped set with its photos beside the file: every recipe passes the checker, every
    // photo is one PNG in the folder, and the recipes that share a photo share the file.
    void shippedSetWithPicturesBeside() {
        const QString path = m_dir.filePath(u"alle.json"_s);
        const QList<int> recNos = JsonLdExport::allRecNos(m_tables.ApolloRezepte);
        QList<int> reported;
        QVERIFY(JsonLdExport::write(path, m_tables.ApolloRezepte, m_tables.ApolloZutaten, m_lists, recNos,
                                    pictures(false), nullptr, [&](int done, int total) {
                                        reported = {done, total};
                                    }));
        QCOMPARE(reported, (QList<int>{int(recNos.size()), int(recNos.size())}));
        QCOMPARE(JsonLdChecker::checkFile(path), QStringList());
        const QJsonArray recipes = QJsonDocument::fromJson(TestFiles::readAll(path)).array();
        QCOMPARE(recipes.size(), recNos.size());
        QSet<QString> images;
        int withDecoration = 0, alcoholFree = 0;
        for (const QJsonValue& recipe : recipes) {
            images << recipe[u"image"_s].toString();
            const QStringList words = recipe[u"keywords"_s].toString().split(u", "_s);
            withDecoration += words.size() >= 2 ? 1 : 0;
            alcoholFree += words.contains(JsonLdRecipe::alcoholFreeWord()) ? 1 : 0;
        }
        QVERIFY(withDecoration > 0);
        QVERIFY(alcoholFree > 50);
        images.remove(QString());
        QVERIFY(images.size() > 1000);
        QCOMPARE(QDir(m_dir.filePath(u"alle-Bilder"_s)).entryList(QDir::Files).size(), images.size());
    }

    // The checker is only worth something if it refuses what is not ours.
    void checkerRefusesForeignShapes_data() {
        QTest::addColumn<QByteArray>("recipe");
        const char* base =
            "'@context': 'https://schema.org', '@type': 'Recipe', 'name': 'X', 'recipeYield': '1 "
            "Glas', ";
        QTest::newRow("unknown property")
            << json(base) + json("'recipeIngredient': ['Minze'], 'totalTime': 'PT5M'");
        QTest::newRow("no yield") << json("'@context': 'https://schema.org', '@type': 'Recipe', 'name': 'X', "
                                          "'recipeIngredient': ['Minze']");
        QTest::newRow("ingredient not text") << json(base) + json("'recipeIngredient': [4]");
        QTest::newRow("step without type") << json(base) + json("'recipeIngredient': ['Minze'], "
                                                                "'recipeInstructions': [{'text': 'a'}]");
        QTest::newRow("absolute image")
            << json(base) + json("'recipeIngredient': ['Minze'], 'image': 'http://x/a.png'");
        QTest::newRow("image not there")
            << json(base) + json("'recipeIngredient': ['Minze'], 'image': 'alle-Bilder/fehlt.png'");
        QTest::newRow("image outside the folder")
            << json(base) + json("'recipeIngredient': ['Minze'], 'image': '../alle-Bilder/1.png'");
        QTest::newRow("data URL not PNG")
            << json(base) + json("'recipeIngredient': ['Minze'], 'image': 'data:image/png;base64,QUJD'");
        QTest::newRow("category list")
            << json(base) + json("'recipeIngredient': ['Minze'], 'recipeCategory': ['a']");
        QTest::newRow("code in keywords")
            << json(base) + json("'recipeIngredient': ['Minze'], 'keywords': 'Cocktailassistent: 3131'");
        QTest::newRow("identifier as text")
            << json(base) + json("'recipeIngredient': ['Minze'], 'identifier': 'x'");
        QTest::newRow("nutrition with more")
            << json(base) +
                   json("'recipeIngredient': ['Minze'], 'nutrition': {'@type': 'NutritionInformation', "
                        "'servingSize': '4 cl', 'calories': '90'}");
    }
    void checkerRefusesForeignShapes() {
        QFETCH(QByteArray, recipe);
        const QJsonDocument document = QJsonDocument::fromJson("{" + recipe + "}");
        QVERIFY(document.isObject());
        QVERIFY(!JsonLdChecker::checkRecipe(document.object(), m_dir.path()).isEmpty());
    }

    // A recipe with every kind of line, exactly as the file carries it.
    void recipeAsObject() {
        const int bloodyMary = recNoOf(u"Bloody Mary"_s);
        QVERIFY(bloodyMary > 0);
        const QJsonObject object = JsonLdRecipe::toJson(
            JsonLdExport::read(m_tables.ApolloRezepte, m_tables.ApolloZutaten, m_lists, bloodyMary));
        QCOMPARE(
            object.value(u"recipeIngredient"_s).toArray(),
            QJsonDocument::fromJson(json("['4 cl Wodka', '9 cl Tomatensaft', '2 cl Zitronensaft', "
                                         "'2 dash Worcestershiresauce', '1 dash Tabasco', 'Selleriesalz', "
                                         "'Pfeffer', 'Eiswürfel']"))
                .array());
        QCOMPARE(object.value(u"recipeYield"_s).toString(), u"1 Glas"_s);
        QCOMPARE(object.value(u"keywords"_s).toString(), u"würzig, Selleriestange"_s);
        QCOMPARE(object.value(u"recipeCategory"_s).toString(), u"Longdrink"_s);
        const QString description = object.value(u"description"_s).toString();
        QVERIFY(description.startsWith(u"Eine Zitronenspalte am Glasrand"_s));
        QVERIFY2(description.endsWith(u"\n\nAlkoholgehalt: 10 % vol."_s), qPrintable(description));
        QCOMPARE(object.value(u"nutrition"_s).toObject().value(u"servingSize"_s).toString(), u"15 cl"_s);
        QCOMPARE(
            object.value(u"identifier"_s).toArray(),
            QJsonDocument::fromJson(json("[{'@type': 'PropertyValue', 'propertyID': 'Cocktailassistent', "
                                         "'value': '4413'}, {'@type': 'PropertyValue', 'propertyID': 'Foto', "
                                         "'value': 'BILDER/00/3.BMP'}]"))
                .array());
        QCOMPARE(object.value(u"recipeInstructions"_s).toArray().first()[u"@type"_s].toString(),
                 u"HowToStep"_s);
        QVERIFY(!object.contains(u"image"_s)); // only a written file has its pictures
    }

    // The photos inside the file: PNG data URLs, no folder beside it; an own photo as well.
    void picturesEmbedded() {
        TApollo& re = m_tables.ApolloRezepte;
        const int bellini = recNoOf(u"Bellini"_s);
        re.Go(bellini);
        const QString path = m_dir.filePath(u"eingebettet.json"_s);
        QVERIFY(JsonLdExport::write(path, re, m_tables.ApolloZutaten, m_lists, {bellini}, pictures(true)));
        QCOMPARE(JsonLdChecker::checkFile(path), QStringList());
        const QString image =
            QJsonDocument::fromJson(TestFiles::readAll(path)).array().at(0)[u"image"_s].toString();
        QVERIFY(image.startsWith(u"data:image/png;base64,"_s));
        const QImage decoded = QImage::fromData(QByteArray::fromBase64(image.mid(22).toLatin1()), "PNG");
        QCOMPARE(decoded.size(), QImage(QStringLiteral(VELTA_IMAGE_DIR "/BILDER/00/1.BMP")).size());
        QVERIFY(!QFile::exists(m_dir.filePath(u"eingebettet-Bilder"_s)));
    }

    void ownPhotoAndFolderName_data() {
        QTest::addColumn<QString>("bild");
        QTest::addColumn<QString>("eigen");
        QTest::addColumn<QString>("photo");
        QTest::newRow("collection") << u"1"_s << QString() << u"BILDER/00/1.BMP"_s;
        QTest::newRow("collection, hundreds") << u"1234"_s << QString() << u"BILDER/12/1234.BMP"_s;
        QTest::newRow("own photo") << u"e"_s << u"MEIN_1 "_s << u"EIGENE/MEIN_1.BMP"_s;
        QTest::newRow("own recipe without photo") << u"e"_s << QString() << QString();
        QTest::newRow("no photo") << QString() << QString() << QString();
    }
    void ownPhotoAndFolderName() {
        QFETCH(QString, bild);
        QFETCH(QString, eigen);
        QFETCH(QString, photo);
        QCOMPARE(JsonLdExport::photoName(bild, eigen), photo);
        QCOMPARE(JsonLdExport::picturesFolderName(u"/tmp/Meine Rezepte.json"_s), u"Meine Rezepte-Bilder"_s);
    }

    // An own photo beside a file whose name has a blank: the address is encoded, the file is there.
    void ownPhotoBeside() {
        const QString path = m_dir.filePath(u"Meine Rezepte.json"_s);
        QVERIFY(JsonLdExport::write(path, m_tables.ApolloRezepte, m_tables.ApolloZutaten, m_lists, {2},
                                    pictures(false)));
        QCOMPARE(JsonLdChecker::checkFile(path), QStringList());
        QCOMPARE(QJsonDocument::fromJson(TestFiles::readAll(path)).array().at(0)[u"image"_s].toString(),
                 u"Meine%20Rezepte-Bilder/eigen-MEIN_1.png"_s);
    }

    void unwritableTargetFails() {
        const QString path = m_dir.filePath(u"fehlt/alle.json"_s);
        QString failure;
        QVERIFY(!JsonLdExport::write(path, m_tables.ApolloRezepte, m_tables.ApolloZutaten, m_lists, {1},
                                     {false, {}, {}}, &failure));
        QVERIFY(failure.startsWith(u"Die Datei konnte nicht gespeichert werden:\r"_s + path));
        QVERIFY(!QFile::exists(path));
    }

    // RFC 4180: a header, one line per drink ending in CR LF, a field with a comma, a quote or a
    // line break quoted and its quotes doubled; UTF-8 after a byte order mark.
    void csvOfTheRecipeList() {
        ExchangeRecipe quoted;
        quoted.name = u"Der \"Beste\", sagt man"_s;
        quoted.categories = {u"Sour"_s};
        quoted.lines = {{4, Measure::Cl, u"Weißer Rum"_s, {}}, {0, Measure::None, u"Eiswürfel"_s, {}}};
        quoted.instructions = u"Schütteln.\r\nAbseihen."_s;
        quoted.alcohol = 18;
        quoted.volume = 4;
        const QByteArray bytes = RecipeCsv::document({quoted});
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(
            QString::fromUtf8(bytes.mid(3)),
            u"Name,Kategorie,Geschmack,Dekoration,Alkoholgehalt (%),Menge "
            u"(cl),Zutaten,Anleitung,Bemerkung\r\n"
            "\"Der \"\"Beste\"\", sagt man\",Sour,,,18,4,4 cl Weißer Rum; Eiswürfel,Schütteln. Abseihen.,\r\n"_s);

        const int bloodyMary = recNoOf(u"Bloody Mary"_s);
        const QString path = m_dir.filePath(u"liste.csv"_s);
        QVERIFY(
            RecipeCsv::write(path, m_tables.ApolloRezepte, m_tables.ApolloZutaten, m_lists, {bloodyMary}));
        const QStringList lines = QString::fromUtf8(TestFiles::readAll(path).mid(3)).split(u"\r\n"_s);
        QCOMPARE(lines.size(), 3); // the header, the drink, the empty rest after the last CR LF
        QVERIFY2(lines.at(1).startsWith(u"Bloody Mary,Longdrink,würzig,Selleriestange,10,15,4 cl Wodka; 9 cl "
                                        "Tomatensaft; 2 cl Zitronensaft; 2 dash Worcestershiresauce; 1 dash "
                                        "Tabasco; Selleriesalz; Pfeffer; Eiswürfel,"_s),
                 qPrintable(lines.at(1)));
    }
};

VELTA_TEST_MAIN_CORE(TestJsonLdExport)
#include "tst_jsonldexport.moc"
