#include "exchange/JsonLdRecipe.h"

#include "exchange/IngredientText.h"
#include "exchange/JsonLdError.h"
#include "store/IngredientSlots.h"
#include "store/MemoFile.h"
#include "store/MemoText.h"
#include "store/RecipeMemo.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace {

const QString kType = QStringLiteral("@type");

// Where a message points: the recipe by position and, once known, by name.
class Place {
public:
    explicit Place(int position) : m_position(position) {}
    void setName(const QString& name) { m_name = name; }

    QString where() const {
        QString where = QStringLiteral("Rezept %1").arg(m_position);
        if (!m_name.isEmpty())
            where += QStringLiteral(" („%1“)").arg(m_name);
        return where;
    }

    [[noreturn]] void fail(const QString& property, const QString& problem) const {
        QString text = where();
        if (!property.isEmpty())
            text += QStringLiteral(", Eigenschaft „%1“").arg(property);
        throw JsonLdError(text + QStringLiteral(": ") + problem);
    }

private:
    int m_position;
    QString m_name;
};

bool hasType(const QJsonObject& object, const QString& type) {
    const QJsonValue value = object.value(kType);
    const auto is = [&type](const QJsonValue& v) {
        const QString text = v.toString();
        return text == type || text.endsWith(QLatin1Char(':') + type) ||
               text.endsWith(QLatin1Char('/') + type);
    };
    if (value.isArray()) {
        for (const QJsonValue& item : value.toArray())
            if (is(item))
                return true;
        return false;
    }
    return is(value);
}

// A Text property that may also come as an array of texts (several categories, several keyword
// lists); an absent property is empty.
QStringList texts(const QJsonObject& object, const QString& property, const Place& place) {
    const QJsonValue value = object.value(property);
    if (value.isUndefined() || value.isNull())
        return {};
    if (value.isString())
        return {value.toString()};
    QStringList list;
    if (value.isArray())
        for (const QJsonValue& item : value.toArray()) {
            if (!item.isString())
                place.fail(property, QStringLiteral("Text erwartet."));
            list << item.toString();
        }
    else
        place.fail(property, QStringLiteral("Text erwartet."));
    return list;
}

// The texts trimmed, the empty ones left out; with a separator, each text split at it first.
QStringList items(const QStringList& list, QChar separator = QChar()) {
    QStringList out;
    for (const QString& text : list)
        for (const QString& item : separator.isNull() ? QStringList{text} : text.split(separator))
            if (const QString trimmed = item.simplified(); !trimmed.isEmpty())
                out << trimmed;
    return out;
}

// "2", 2, "4 servings", ["4", "4 Gläser"]: the glasses the amounts are for; 1 when it says none.
int servings(const QJsonValue& yield) {
    const QJsonValue value = yield.isArray() ? yield.toArray().at(0) : yield;
    if (value.isDouble())
        return qBound(1, int(value.toDouble()), 1000);
    static const QRegularExpression number(QStringLiteral(R"(\d+)"));
    const QRegularExpressionMatch m = number.match(value.toString());
    return m.hasMatch() ? qBound(1, m.captured(0).toInt(), 1000) : 1;
}

QList<ExchangeRecipe::Line> readLines(const QJsonObject& object, const Place& place, QStringList* notes) {
    // "ingredients" is what schema.org called the property before "recipeIngredient".
    QString property = QStringLiteral("recipeIngredient");
    if (!object.contains(property) && object.contains(QStringLiteral("ingredients")))
        property = QStringLiteral("ingredients");
    QJsonValue value = object.value(property);
    if (value.isString()) // one text, a line each
        value = QJsonArray::fromStringList(value.toString().split(QLatin1Char('\n')));
    if (value.isUndefined() || value.isNull() || (value.isArray() && value.toArray().isEmpty()))
        place.fail(property, QStringLiteral("Das Rezept hat keine Zutaten."));
    if (!value.isArray())
        place.fail(property, QStringLiteral("Liste von Texten erwartet."));
    const QJsonArray array = value.toArray();
    QList<ExchangeRecipe::Line> lines;
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array.at(i).isString())
            place.fail(property, QStringLiteral("Zutat %1 ist kein Text.").arg(i + 1));
        if (const std::optional<ExchangeRecipe::Line> line = IngredientText::parse(array.at(i).toString()))
            lines << *line;
    }
    if (lines.isEmpty())
        place.fail(property, QStringLiteral("Das Rezept hat keine Zutaten."));
    if (lines.size() > IngredientSlots::kMaxSlots) {
        if (notes)
            *notes << place.where() + QStringLiteral(": %1 Zutaten; ein Rezept hat höchstens %2, die übrigen "
                                                     "wurden weggelassen.")
                                          .arg(lines.size())
                                          .arg(IngredientSlots::kMaxSlots);
        lines.resize(IngredientSlots::kMaxSlots);
    }
    const int glasses = servings(object.value(QStringLiteral("recipeYield")));
    for (ExchangeRecipe::Line& line : lines)
        line.amount /= glasses;
    return lines;
}

// The lines of a step without the blanks around them and without empty lines: the export writes
// one step per line, so this is what reads back the same.
QString tidyLines(const QString& text) {
    QStringList lines;
    for (const QString& line : MemoText::forEditing(text).split(QLatin1Char('\n'))) {
        if (const QString trimmed = line.trimmed(); !trimmed.isEmpty())
            lines << trimmed;
    }
    return lines.join(QLatin1Char('\n'));
}

// The steps of a list of texts, HowToSteps and HowToSections (their name, then their steps).
void readSteps(const QJsonValue& value, const QString& property, const Place& place, QStringList& steps,
               int depth = 0) {
    const QJsonArray list = value.isArray() ? value.toArray() : QJsonArray{value};
    for (const QJsonValue& item : list) {
        const QJsonObject object = item.toObject();
        if (item.isObject() && depth < 4 && object.value(QStringLiteral("itemListElement")).isArray()) {
            if (const QJsonValue name = object.value(QStringLiteral("name")); name.isString())
                steps << tidyLines(name.toString());
            readSteps(object.value(QStringLiteral("itemListElement")), property, place, steps, depth + 1);
            continue;
        }
        QJsonValue text = item;
        if (item.isObject()) {
            text = object.value(QStringLiteral("text"));
            if (!text.isString())
                text = object.value(QStringLiteral("name"));
        }
        if (!text.isString())
            place.fail(property, QStringLiteral("Jeder Schritt muss ein Text, ein HowToStep mit „text“ oder "
                                                "eine HowToSection sein."));
        steps << tidyLines(text.toString());
    }
}

QString readInstructions(const QJsonObject& object, const Place& place) {
    const QString property = QStringLiteral("recipeInstructions");
    const QJsonValue value = object.value(property);
    if (value.isUndefined() || value.isNull())
        return {};
    if (value.isString())
        return JsonLdRecipe::toMemoText(tidyLines(value.toString()));
    if (!value.isArray() && !value.isObject())
        place.fail(property, QStringLiteral("Text oder Liste von Schritten (HowToStep) erwartet."));
    QStringList steps;
    readSteps(value, property, place, steps);
    steps.removeAll(QString());
    return JsonLdRecipe::toMemoText(steps.join(QLatin1Char('\n')));
}

QString readImage(const QJsonObject& object, const Place& place) {
    const QString property = QStringLiteral("image");
    QJsonValue value = object.value(property);
    if (value.isArray())
        value = value.toArray().isEmpty() ? QJsonValue() : value.toArray().first();
    if (value.isObject()) { // an ImageObject
        const QJsonObject image = value.toObject();
        value = image.contains(QStringLiteral("url")) ? image.value(QStringLiteral("url"))
                                                      : image.value(QStringLiteral("contentUrl"));
    }
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isString())
        place.fail(property, QStringLiteral("Adresse (URL) als Text erwartet."));
    return value.toString().trimmed();
}

// Our identifiers: PropertyValue objects with a propertyID and a value; anything else is not ours.
void readIdentifiers(const QJsonObject& object, ExchangeRecipe& recipe) {
    const QJsonValue value = object.value(QStringLiteral("identifier"));
    for (const QJsonValue& item : value.isArray() ? value.toArray() : QJsonArray{value}) {
        const QJsonObject property = item.toObject();
        const QString id = property.value(QStringLiteral("propertyID")).toString();
        const QJsonValue content = property.value(QStringLiteral("value"));
        const QString text =
            content.isDouble() ? QString::number(content.toInteger()) : content.toString().trimmed();
        if (id == JsonLdRecipe::assistantId())
            recipe.assistantCode = qBound(0, text.toInt(), 9999);
        else if (id == JsonLdRecipe::photoId())
            recipe.photo = text;
    }
}

QJsonObject identifier(const QString& id, const QString& value) {
    return {{kType, QStringLiteral("PropertyValue")},
            {QStringLiteral("propertyID"), id},
            {QStringLiteral("value"), value}};
}

// The description we write ends with the strength, which an import computes anew.
QString withoutStrength(const QString& description) {
    static const QRegularExpression strength(
        QStringLiteral(R"((?:^|\s*\n\n)Alkoholgehalt: \d+ % vol\.\s*$)"));
    QString text = description.trimmed();
    while (text.contains(strength))
        text = text.remove(strength).trimmed();
    return text;
}

} // namespace

QString JsonLdRecipe::strengthText(int percent) {
    return QStringLiteral("Alkoholgehalt: %1 % vol.").arg(percent);
}

bool JsonLdRecipe::isRecipeType(const QJsonValue& type) {
    return hasType(QJsonObject{{kType, type}}, QStringLiteral("Recipe"));
}

QString JsonLdRecipe::toJsonText(QString memo) {
    return memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString JsonLdRecipe::toMemoText(QString text) {
    return MemoText::forStoring(text);
}

QJsonObject JsonLdRecipe::toJson(const ExchangeRecipe& recipe) {
    QJsonObject object{{QStringLiteral("@context"), QStringLiteral("https://schema.org")},
                       {kType, QStringLiteral("Recipe")},
                       {QStringLiteral("name"), recipe.name},
                       {QStringLiteral("recipeYield"), yieldText()}};
    QJsonArray lines;
    for (const ExchangeRecipe::Line& line : recipe.lines)
        lines << IngredientText::format(line);
    object.insert(QStringLiteral("recipeIngredient"), lines);
    QJsonArray steps;
    for (const QString& step : recipe.instructions.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        steps << QJsonObject{{kType, QStringLiteral("HowToStep")}, {QStringLiteral("text"), step}};
    if (!steps.isEmpty())
        object.insert(QStringLiteral("recipeInstructions"), steps);
    if (recipe.categories.size() == 1)
        object.insert(QStringLiteral("recipeCategory"), recipe.categories.first());
    else if (!recipe.categories.isEmpty())
        object.insert(QStringLiteral("recipeCategory"), QJsonArray::fromStringList(recipe.categories));
    if (!recipe.image.isEmpty())
        object.insert(QStringLiteral("image"), recipe.image);
    QStringList words;
    for (const QString& word : {recipe.taste, recipe.decoration})
        if (!word.isEmpty())
            words << word;
    if (recipe.alcohol == 0)
        words << alcoholFreeWord();
    words << recipe.keywords;
    if (!words.isEmpty())
        object.insert(QStringLiteral("keywords"), words.join(QStringLiteral(", ")));
    QString description = toJsonText(recipe.remark);
    if (recipe.alcohol >= 0)
        description +=
            (description.isEmpty() ? QString() : QStringLiteral("\n\n")) + strengthText(recipe.alcohol);
    if (!description.isEmpty())
        object.insert(QStringLiteral("description"), description);
    if (recipe.volume > 0)
        object.insert(
            QStringLiteral("nutrition"),
            QJsonObject{{kType, QStringLiteral("NutritionInformation")},
                        {QStringLiteral("servingSize"), QStringLiteral("%1 cl").arg(recipe.volume)}});
    QJsonArray ids;
    if (recipe.assistantCode != 0)
        ids << identifier(assistantId(), QString::number(recipe.assistantCode));
    if (!recipe.photo.isEmpty())
        ids << identifier(photoId(), recipe.photo);
    if (!ids.isEmpty())
        object.insert(QStringLiteral("identifier"), ids);
    return object;
}

ExchangeRecipe JsonLdRecipe::fromJson(const QJsonValue& value, int position, QStringList* notes) {
    Place place(position);
    if (!value.isObject())
        place.fail({}, QStringLiteral("Ein Rezept muss ein JSON-Objekt sein."));
    const QJsonObject object = value.toObject();
    if (!isRecipeType(object.value(kType)))
        place.fail(kType, QStringLiteral("Das Objekt ist kein schema.org-Rezept („Recipe“)."));
    ExchangeRecipe recipe;
    const QJsonValue name = object.value(QStringLiteral("name"));
    if (!name.isString() || name.toString().trimmed().isEmpty())
        place.fail(QStringLiteral("name"), QStringLiteral("Das Rezept hat keinen Namen."));
    recipe.name = name.toString().simplified();
    place.setName(recipe.name);
    recipe.lines = readLines(object, place, notes);
    recipe.instructions = readInstructions(object, place);
    recipe.categories = items(texts(object, QStringLiteral("recipeCategory"), place));
    recipe.keywords = items(texts(object, QStringLiteral("keywords"), place), QLatin1Char(','));
    const QString description =
        MemoText::forEditing(texts(object, QStringLiteral("description"), place).value(0)).trimmed();
    recipe.remark = toMemoText(withoutStrength(description).trimmed());
    // Refused here, with the recipe named, rather than by the memo file in the middle of an import.
    if (const qsizetype length = RecipeMemo::join(recipe.instructions, recipe.remark).size();
        length > MemoFile::kMaxTextBytes)
        place.fail(
            QStringLiteral("recipeInstructions"),
            QStringLiteral("Anleitung und Beschreibung sind zusammen %1 Zeichen lang; ein Rezept fasst "
                           "höchstens %2.")
                .arg(length)
                .arg(MemoFile::kMaxTextBytes));
    recipe.image = readImage(object, place);
    readIdentifiers(object, recipe);
    return recipe;
}
