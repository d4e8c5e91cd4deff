#pragma once

#include "exchange/ExchangeRecipe.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

// One recipe as a schema.org Recipe object. We write one glass ("recipeYield": "1 Glas"), the
// taste, the decoration and "alkoholfrei" as keywords, the remark and the strength as description,
// the volume as the serving size, and what only our data sets know (the cocktail assistant's code,
// the collection photo) as identifiers (PropertyValue). Files of recipe sites are read as they come:
// ingredient lines in their units, several servings, instructions as text, steps or sections.
class JsonLdRecipe {
public:
    static QString yieldText() { return QStringLiteral("1 Glas"); }
    static QString alcoholFreeWord() { return QStringLiteral("alkoholfrei"); }
    static QString assistantId() { return QStringLiteral("Cocktailassistent"); }
    static QString photoId() { return QStringLiteral("Foto"); }
    // The last paragraph of a description we write: "Alkoholgehalt: 12 % vol."
    static QString strengthText(int percent);

    static QJsonObject toJson(const ExchangeRecipe& recipe);
    // position: 1-based, for the messages. Throws JsonLdError naming the recipe and the property.
    // `notes` gets what was left out (ingredients beyond the 20 a recipe holds).
    static ExchangeRecipe fromJson(const QJsonValue& value, int position, QStringList* notes = nullptr);
    // "Recipe", also as "schema:Recipe", "https://schema.org/Recipe" or among several types.
    static bool isRecipeType(const QJsonValue& type);

    // Text in JSON breaks lines with "\n", the memos with CR LF.
    static QString toJsonText(QString memo);
    static QString toMemoText(QString text);
};
