#pragma once

#include "exchange/ExchangeRecipe.h"

#include <QJsonObject>
#include <QJsonValue>

// One recipe as a schema.org Recipe object. What the record holds beyond the common properties
// travels in them: taste, decoration and the cocktail assistant's code as labelled keywords
// ("Geschmack: fruchtig, Dekoration: Limettenscheibe, Cocktailassistent: 3131"), the remark as
// description, the photo as a relative URL in image.
class JsonLdRecipe {
public:
    static QString tasteLabel() { return QStringLiteral("Geschmack"); }
    static QString decorationLabel() { return QStringLiteral("Dekoration"); }
    static QString assistantLabel() { return QStringLiteral("Cocktailassistent"); }

    static QJsonObject toJson(const ExchangeRecipe& recipe);
    // position: 1-based, for the message. Throws JsonLdError naming the recipe and the property.
    static ExchangeRecipe fromJson(const QJsonValue& value, int position);

    // Text in JSON breaks lines with "\n", the memos with CR LF.
    static QString toJsonText(QString memo);
    static QString toMemoText(QString text);

private:
    static QString keywords(const ExchangeRecipe& recipe);
    static void readKeywords(const QString& keywords, ExchangeRecipe& recipe);
};
