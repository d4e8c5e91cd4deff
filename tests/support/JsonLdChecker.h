#pragma once

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

// A strict reading of the JSON-LD files we write: each recipe a schema.org Recipe with the types
// schema.org gives its properties, nothing at its top level that schema.org does not know for a
// Recipe, one glass as yield, keywords in words, and pictures that are there (PNG beside the file or
// a PNG data: URL).
namespace JsonLdChecker {

inline bool isText(const QJsonValue& value) {
    return value.isString() && !value.toString().trimmed().isEmpty();
}

inline bool isPng(const QByteArray& bytes) {
    return bytes.startsWith(QByteArrayLiteral("\x89PNG\r\n\x1A\n"));
}

// An object of one type with exactly the text properties named; empty when it is.
inline QString checkTyped(const QJsonValue& value, const QString& type, const QStringList& properties) {
    const QJsonObject object = value.toObject();
    if (!value.isObject() || object.value(QStringLiteral("@type")) != type)
        return type + QStringLiteral(" expected");
    if (object.size() != properties.size() + 1)
        return type + QStringLiteral(": other properties than ") + properties.join(QLatin1Char(','));
    for (const QString& property : properties)
        if (!isText(object.value(property)))
            return type + QStringLiteral(": ") + property + QStringLiteral(" must be text");
    return {};
}

inline QString checkImage(const QString& image, const QString& folder) {
    static const QString dataPrefix = QStringLiteral("data:image/png;base64,");
    if (image.startsWith(QStringLiteral("data:"))) {
        if (!image.startsWith(dataPrefix))
            return QStringLiteral("image: a PNG data URL expected");
        const auto decoded = QByteArray::fromBase64Encoding(image.mid(dataPrefix.size()).toLatin1(),
                                                            QByteArray::AbortOnBase64DecodingErrors);
        return decoded && isPng(*decoded) ? QString() : QStringLiteral("image: the data are no PNG");
    }
    const QUrl url(image, QUrl::StrictMode);
    if (!url.isValid() || !url.isRelative() || url.path().startsWith(QLatin1Char('/')) ||
        url.path().split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return QStringLiteral("image: a relative URL below the file's folder expected");
    QFile file(QDir(folder).filePath(url.path()));
    if (!file.open(QIODevice::ReadOnly) || !isPng(file.read(8)))
        return QStringLiteral("image: ") + url.path() + QStringLiteral(" is no PNG beside the file");
    return {};
}

// The problem of one recipe of ours; empty when there is none. `folder`: where the file lies.
inline QString checkRecipe(const QJsonObject& recipe, const QString& folder) {
    const QStringList allowed = {QStringLiteral("@context"),
                                 QStringLiteral("@type"),
                                 QStringLiteral("name"),
                                 QStringLiteral("recipeYield"),
                                 QStringLiteral("recipeIngredient"),
                                 QStringLiteral("recipeInstructions"),
                                 QStringLiteral("recipeCategory"),
                                 QStringLiteral("image"),
                                 QStringLiteral("keywords"),
                                 QStringLiteral("description"),
                                 QStringLiteral("nutrition"),
                                 QStringLiteral("identifier")};
    for (const QString& key : recipe.keys())
        if (!allowed.contains(key))
            return QStringLiteral("unknown property ") + key;
    if (recipe.value(QStringLiteral("@context")) != QStringLiteral("https://schema.org") ||
        recipe.value(QStringLiteral("@type")) != QStringLiteral("Recipe"))
        return QStringLiteral("@context/@type");
    if (!isText(recipe.value(QStringLiteral("name"))))
        return QStringLiteral("name: text expected");
    if (recipe.value(QStringLiteral("recipeYield")) != QStringLiteral("1 Glas"))
        return QStringLiteral("recipeYield: \"1 Glas\" expected");
    const QJsonValue lines = recipe.value(QStringLiteral("recipeIngredient"));
    if (!lines.isArray() || lines.toArray().isEmpty())
        return QStringLiteral("recipeIngredient: array expected");
    for (const QJsonValue& line : lines.toArray())
        if (!isText(line))
            return QStringLiteral("recipeIngredient: text expected");
    if (recipe.contains(QStringLiteral("recipeInstructions"))) {
        const QJsonValue steps = recipe.value(QStringLiteral("recipeInstructions"));
        if (!steps.isArray() || steps.toArray().isEmpty())
            return QStringLiteral("recipeInstructions: a list of HowToStep expected");
        for (const QJsonValue& step : steps.toArray())
            if (const QString problem =
                    checkTyped(step, QStringLiteral("HowToStep"), {QStringLiteral("text")});
                !problem.isEmpty())
                return QStringLiteral("recipeInstructions: ") + problem;
    }
    for (const QString& text : {QStringLiteral("recipeCategory"), QStringLiteral("description")})
        if (recipe.contains(text) && !isText(recipe.value(text)))
            return text + QStringLiteral(": text expected");
    if (recipe.contains(QStringLiteral("keywords"))) {
        const QJsonValue keywords = recipe.value(QStringLiteral("keywords"));
        if (!isText(keywords))
            return QStringLiteral("keywords: text expected");
        // Words, not codes: no digits, no "label: value".
        static const QRegularExpression code(QStringLiteral("[0-9:]"));
        if (keywords.toString().contains(code))
            return QStringLiteral("keywords: codes instead of words");
    }
    if (recipe.contains(QStringLiteral("nutrition")))
        if (const QString problem =
                checkTyped(recipe.value(QStringLiteral("nutrition")), QStringLiteral("NutritionInformation"),
                           {QStringLiteral("servingSize")});
            !problem.isEmpty())
            return QStringLiteral("nutrition: ") + problem;
    if (recipe.contains(QStringLiteral("identifier"))) {
        const QJsonValue ids = recipe.value(QStringLiteral("identifier"));
        if (!ids.isArray() || ids.toArray().isEmpty())
            return QStringLiteral("identifier: a list of PropertyValue expected");
        for (const QJsonValue& id : ids.toArray())
            if (const QString problem = checkTyped(id, QStringLiteral("PropertyValue"),
                                                   {QStringLiteral("propertyID"), QStringLiteral("value")});
                !problem.isEmpty())
                return QStringLiteral("identifier: ") + problem;
    }
    if (recipe.contains(QStringLiteral("image"))) {
        if (!isText(recipe.value(QStringLiteral("image"))))
            return QStringLiteral("image: text expected");
        if (const QString problem = checkImage(recipe.value(QStringLiteral("image")).toString(), folder);
            !problem.isEmpty())
            return problem;
    }
    return {};
}

// Every problem of a file we wrote, "name: problem" a line; a file that is no array of recipes is
// one problem.
inline QStringList checkFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot be read")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return {QStringLiteral("not a JSON array")};
    QStringList problems;
    const QString folder = QFileInfo(path).absolutePath();
    for (const QJsonValue& recipe : document.array()) {
        const QString problem =
            recipe.isObject() ? checkRecipe(recipe.toObject(), folder) : QStringLiteral("not an object");
        if (!problem.isEmpty())
            problems << recipe[QStringLiteral("name")].toString() + QStringLiteral(": ") + problem;
    }
    return problems;
}

} // namespace JsonLdChecker
