#include "ShippedDataCopy.h"
#include "TestFiles.h"
#include "VeltaTest.h"
#include "exchange/JsonLdExport.h"
#include "exchange/JsonLdRecipe.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// JSON written with single quotes, so that the test tables stay readable.
QByteArray json(const char* text) {
    return QByteArray(text).replace('\'', '"');
}

bool isText(const QJsonValue& value) {
    return value.isString() && !value.toString().trimmed().isEmpty();
}

QString checkStep(const QJsonValue& step) {
    const QJsonObject object = step.toObject();
    if (!step.isObject() || object.value(u"@type"_s) != u"HowToStep"_s || !isText(object.value(u"text"_s)) ||
        object.size() != 2)
        return u"recipeInstructions: a HowToStep with text expected"_s;
    return {};
}

// The schema.org Recipe properties our files use, each with its type; anything else is refused.
QString checkRecipe(const QJsonObject& recipe) {
    const QStringList allowed = {
        u"@context"_s,       u"@type"_s, u"name"_s,     u"recipeIngredient"_s, u"recipeInstructions"_s,
        u"recipeCategory"_s, u"image"_s, u"keywords"_s, u"description"_s};
    for (const QString& key : recipe.keys())
        if (!allowed.contains(key))
            return u"unknown property "_s + key;
    if (recipe.value(u"@context"_s) != u"https://schema.org"_s || recipe.value(u"@type"_s) != u"Recipe"_s)
        return u"@context/@type"_s;
    if (!isText(recipe.value(u"name"_s)))
        return u"name: Text expected"_s;
    const QJsonValue lines = recipe.value(u"recipeIngredient"_s);
    if (!lines.isArray() || lines.toArray().isEmpty())
        return u"recipeIngredient: array expected"_s;
    for (const QJsonValue& line : lines.toArray())
        if (!isText(line))
            return u"recipeIngredient: Text expected"_s;
    const QJsonValue steps = recipe.value(u"recipeInstructions"_s);
    if (steps.isArray()) {
        for (const QJsonValue& step : steps.toArray())
            if (const QString problem = checkStep(step); !problem.isEmpty())
                return problem;
    } else if (!steps.isUndefined() && !isText(steps)) {
        return u"recipeInstructions: Text or HowToStep list expected"_s;
    }
    for (const QString& text : {u"recipeCategory"_s, u"keywords"_s, u"description"_s})
        if (recipe.contains(text) && !isText(recipe.value(text)))
            return text + u": Text expected"_s;
    if (recipe.contains(u"image"_s)) {
        const QUrl url(recipe.value(u"image"_s).toString(), QUrl::StrictMode);
        if (!isText(recipe.value(u"image"_s)) || !url.isValid() || !url.isRelative())
            return u"image: relative URL expected"_s;
    }
    return {};
}

} // namespace

// The JSON-LD export: every exported file is strict JSON whose recipes use only the schema.org
// Recipe properties we name, each with its type.
class TestJsonLdExport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    DataTables m_tables;
    ExchangeLists m_lists;

    QString data() const { return m_dir.filePath(u"DATEN"_s); }

private slots:
    void initTestCase() {
        QVERIFY(ShippedDataCopy::make(data()));
        m_tables.openMainTables(data(), true);
        m_lists = ShippedDataCopy::lists(data(), m_tables);
    }

    void shippedSetIsValidJsonLd() {
        const QString path = m_dir.filePath(u"alle.json"_s);
        const QList<int> recNos = JsonLdExport::allRecNos(m_tables.ApolloRezepte);
        QVERIFY(JsonLdExport::write(path, m_tables.ApolloRezepte, m_tables.ApolloZutaten, m_lists, recNos));
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(TestFiles::readAll(path), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QVERIFY(document.isArray());
        QCOMPARE(document.array().size(), recNos.size());
        int withDecoration = 0;
        for (const QJsonValue& recipe : document.array()) {
            QVERIFY(recipe.isObject());
            const QString problem = checkRecipe(recipe.toObject());
            QVERIFY2(problem.isEmpty(), qPrintable(recipe[u"name"_s].toString() + u": "_s + problem));
            withDecoration += recipe[u"keywords"_s].toString().contains(u"Dekoration: "_s) ? 1 : 0;
        }
        QVERIFY(withDecoration > 0);
    }

    // The checker above is only worth something if it refuses what is not ours.
    void checkerRefusesForeignShapes_data() {
        QTest::addColumn<QByteArray>("recipe");
        const char* base = "'@context': 'https://schema.org', '@type': 'Recipe', 'name': 'X', ";
        QTest::newRow("unknown property")
            << json(base) + json("'recipeIngredient': ['Minze'], 'totalTime': 'PT5M'");
        QTest::newRow("ingredient not text") << json(base) + json("'recipeIngredient': [4]");
        QTest::newRow("step without type") << json(base) + json("'recipeIngredient': ['Minze'], "
                                                                "'recipeInstructions': [{'text': 'a'}]");
        QTest::newRow("absolute image")
            << json(base) + json("'recipeIngredient': ['Minze'], 'image': 'http://x/a.png'");
        QTest::newRow("category list")
            << json(base) + json("'recipeIngredient': ['Minze'], 'recipeCategory': ['a']");
    }
    void checkerRefusesForeignShapes() {
        QFETCH(QByteArray, recipe);
        const QJsonDocument document = QJsonDocument::fromJson("{" + recipe + "}");
        QVERIFY(document.isObject());
        QVERIFY(!checkRecipe(document.object()).isEmpty());
    }

    // A recipe with every kind of line and keyword, exactly as the file carries it.
    void recipeAsObject() {
        TApollo& re = m_tables.ApolloRezepte;
        int bloodyMary = 0;
        for (const int recNo : JsonLdExport::allRecNos(re)) {
            re.Go(recNo);
            if (re.GetTrimString(u"NAME"_s) == u"Bloody Mary"_s)
                bloodyMary = recNo;
        }
        QVERIFY(bloodyMary > 0);
        const QJsonObject object =
            JsonLdRecipe::toJson(JsonLdExport::read(re, m_tables.ApolloZutaten, m_lists, bloodyMary));
        QCOMPARE(
            object.value(u"recipeIngredient"_s).toArray(),
            QJsonDocument::fromJson(json("['4 cl Wodka', '9 cl Tomatensaft', '2 cl Zitronensaft', "
                                         "'2 dash Worcestershiresauce', '1 dash Tabasco', 'Selleriesalz', "
                                         "'Pfeffer', 'Eiswürfel']"))
                .array());
        QCOMPARE(object.value(u"keywords"_s).toString(),
                 u"Geschmack: würzig, Dekoration: Selleriestange, Cocktailassistent: 4413"_s);
        QCOMPARE(object.value(u"recipeCategory"_s).toString(), u"Longdrink"_s);
        QCOMPARE(object.value(u"image"_s).toString(), u"BILDER/00/3.BMP"_s);
        QVERIFY(object.value(u"description"_s).toString().startsWith(u"Eine Zitronenspalte am Glasrand"_s));
        QCOMPARE(object.value(u"recipeInstructions"_s).toArray().first()[u"@type"_s].toString(),
                 u"HowToStep"_s);
    }

    void imageUrl_data() {
        QTest::addColumn<QString>("bild");
        QTest::addColumn<QString>("eigen");
        QTest::addColumn<QString>("url");
        QTest::newRow("collection") << u"1"_s << QString() << u"BILDER/00/1.BMP"_s;
        QTest::newRow("collection, hundreds") << u"1234"_s << QString() << u"BILDER/12/1234.BMP"_s;
        QTest::newRow("own photo") << u"e"_s << u"MEIN_1 "_s << u"EIGENE/MEIN_1.BMP"_s;
        QTest::newRow("own recipe without photo") << u"e"_s << QString() << QString();
        QTest::newRow("no photo") << QString() << QString() << QString();
    }
    void imageUrl() {
        QFETCH(QString, bild);
        QFETCH(QString, eigen);
        QFETCH(QString, url);
        QCOMPARE(JsonLdExport::imageUrl(bild, eigen), url);
    }

    void unwritableTargetFails() {
        const QString path = m_dir.filePath(u"fehlt/alle.json"_s);
        QVERIFY(!JsonLdExport::write(path, m_tables.ApolloRezepte, m_tables.ApolloZutaten, m_lists, {1}));
        QVERIFY(!QFile::exists(path));
    }
};

VELTA_TEST_MAIN_CORE(TestJsonLdExport)
#include "tst_jsonldexport.moc"
