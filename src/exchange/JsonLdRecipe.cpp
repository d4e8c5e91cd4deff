#include "exchange/JsonLdRecipe.h"

#include "exchange/IngredientText.h"
#include "exchange/JsonLdError.h"
#include "store/IngredientSlots.h"
#include "store/MemoFile.h"
#include "store/MemoText.h"
#include "store/RecipeMemo.h"

#include <QJsonArray>

namespace {

const QString kType = QStringLiteral("@type");

// Where a message points: the recipe by position and, once known, by name.
class Place {
public:
    explicit Place(int position) : m_position(position) {}
    void setName(const QString& name) { m_name = name; }

    [[noreturn]] void fail(const QString& property, const QString& problem) const {
        QString where = QStringLiteral("Rezept %1").arg(m_position);
        if (!m_name.isEmpty())
            where += QStringLiteral(" („%1“)").arg(m_name);
        if (!property.isEmpty())
            where += QStringLiteral(", Eigenschaft „%1“").arg(property);
        throw JsonLdError(where + QStringLiteral(": ") + problem);
    }

private:
    int m_position;
    QString m_name;
};

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

QString firstText(const QJsonObject& object, const QString& property, const Place& place) {
    const QStringList list = texts(object, property, place);
    return list.isEmpty() ? QString() : list.first().trimmed();
}

bool isRecipeType(const QJsonValue& type) {
    if (type.isString())
        return type.toString() == QStringLiteral("Recipe");
    if (type.isArray())
        return type.toArray().contains(QJsonValue(QStringLiteral("Recipe")));
    return false;
}

QList<ExchangeRecipe::Line> readLines(const QJsonObject& object, const Place& place) {
    const QString property = QStringLiteral("recipeIngredient");
    const QJsonValue value = object.value(property);
    if (value.isUndefined() || (value.isArray() && value.toArray().isEmpty()))
        place.fail(property, QStringLiteral("Das Rezept hat keine Zutaten."));
    if (!value.isArray())
        place.fail(property, QStringLiteral("Liste von Texten erwartet."));
    const QJsonArray items = value.toArray();
    if (items.size() > IngredientSlots::kMaxSlots)
        place.fail(property, QStringLiteral("%1 Zutaten; ein Rezept hat höchstens %2.")
                                 .arg(items.size())
                                 .arg(IngredientSlots::kMaxSlots));
    QList<ExchangeRecipe::Line> lines;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (!items.at(i).isString())
            place.fail(property, QStringLiteral("Zutat %1 ist kein Text.").arg(i + 1));
        const std::optional<ExchangeRecipe::Line> line = IngredientText::parse(items.at(i).toString());
        if (!line)
            place.fail(property,
                       QStringLiteral("Zutat %1 („%2“) ist nicht lesbar: erwartet wird „Menge Einheit "
                                      "Zutat“ mit einer ganzen Menge bis %3 und der Einheit cl, g, St "
                                      "oder dash, oder die Zutat allein.")
                           .arg(i + 1)
                           .arg(items.at(i).toString())
                           .arg(IngredientText::kMaxAmount));
        lines << *line;
    }
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

QString readInstructions(const QJsonObject& object, const Place& place) {
    const QString property = QStringLiteral("recipeInstructions");
    const QJsonValue value = object.value(property);
    if (value.isUndefined() || value.isNull())
        return {};
    if (value.isString())
        return JsonLdRecipe::toMemoText(tidyLines(value.toString()));
    if (!value.isArray())
        place.fail(property, QStringLiteral("Text oder Liste von Schritten (HowToStep) erwartet."));
    QStringList steps;
    for (const QJsonValue& item : value.toArray()) {
        const QJsonValue text = item.isObject() ? item.toObject().value(QStringLiteral("text")) : item;
        if (!text.isString())
            place.fail(property,
                       QStringLiteral("Jeder Schritt muss ein Text oder ein HowToStep mit „text“ sein."));
        if (const QString step = tidyLines(text.toString()); !step.isEmpty())
            steps << step;
    }
    return JsonLdRecipe::toMemoText(steps.join(QLatin1Char('\n')));
}

QString readImage(const QJsonObject& object, const Place& place) {
    const QString property = QStringLiteral("image");
    QJsonValue value = object.value(property);
    if (value.isArray())
        value = value.toArray().isEmpty() ? QJsonValue() : value.toArray().first();
    if (value.isObject()) // an ImageObject
        value = value.toObject().value(QStringLiteral("url"));
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isString())
        place.fail(property, QStringLiteral("Adresse (URL) als Text erwartet."));
    return value.toString().trimmed();
}

} // namespace

QString JsonLdRecipe::toJsonText(QString memo) {
    return memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString JsonLdRecipe::toMemoText(QString text) {
    return MemoText::forStoring(text);
}

QString JsonLdRecipe::keywords(const ExchangeRecipe& recipe) {
    QStringList items;
    if (!recipe.taste.isEmpty())
        items << tasteLabel() + QStringLiteral(": ") + recipe.taste;
    if (!recipe.decoration.isEmpty())
        items << decorationLabel() + QStringLiteral(": ") + recipe.decoration;
    if (recipe.assistantCode != 0)
        items << assistantLabel() + QStringLiteral(": ") + QString::number(recipe.assistantCode);
    return items.join(QStringLiteral(", "));
}

void JsonLdRecipe::readKeywords(const QString& keywords, ExchangeRecipe& recipe) {
    // Other keywords (tags of recipe sites) carry nothing a record could hold.
    for (const QString& item : keywords.split(QLatin1Char(','))) {
        const qsizetype colon = item.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString label = item.left(colon).trimmed();
        const QString value = item.mid(colon + 1).trimmed();
        if (label.compare(tasteLabel(), Qt::CaseInsensitive) == 0)
            recipe.taste = value;
        else if (label.compare(decorationLabel(), Qt::CaseInsensitive) == 0)
            recipe.decoration = value;
        else if (label.compare(assistantLabel(), Qt::CaseInsensitive) == 0)
            recipe.assistantCode = qBound(0, value.toInt(), 9999);
    }
}

QJsonObject JsonLdRecipe::toJson(const ExchangeRecipe& recipe) {
    QJsonObject object{{QStringLiteral("@context"), QStringLiteral("https://schema.org")},
                       {kType, QStringLiteral("Recipe")},
                       {QStringLiteral("name"), recipe.name}};
    QJsonArray lines;
    for (const ExchangeRecipe::Line& line : recipe.lines)
        lines << IngredientText::format(line);
    object.insert(QStringLiteral("recipeIngredient"), lines);
    QJsonArray steps;
    for (const QString& step : recipe.instructions.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        steps << QJsonObject{{kType, QStringLiteral("HowToStep")}, {QStringLiteral("text"), step}};
    if (!steps.isEmpty())
        object.insert(QStringLiteral("recipeInstructions"), steps);
    if (!recipe.category.isEmpty())
        object.insert(QStringLiteral("recipeCategory"), recipe.category);
    if (!recipe.image.isEmpty())
        object.insert(QStringLiteral("image"), recipe.image);
    if (const QString words = keywords(recipe); !words.isEmpty())
        object.insert(QStringLiteral("keywords"), words);
    if (!recipe.remark.isEmpty())
        object.insert(QStringLiteral("description"), toJsonText(recipe.remark));
    return object;
}

ExchangeRecipe JsonLdRecipe::fromJson(const QJsonValue& value, int position) {
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
    recipe.lines = readLines(object, place);
    recipe.instructions = readInstructions(object, place);
    recipe.category = firstText(object, QStringLiteral("recipeCategory"), place);
    recipe.remark = toMemoText(firstText(object, QStringLiteral("description"), place));
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
    readKeywords(texts(object, QStringLiteral("keywords"), place).join(QLatin1Char(',')), recipe);
    return recipe;
}
