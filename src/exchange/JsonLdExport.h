#pragma once

#include "exchange/ExchangeLists.h"
#include "exchange/ExchangeRecipe.h"

#include <QByteArray>
#include <QList>

class TApollo;

// Recipes written as a JSON-LD file: an array of schema.org Recipe objects, UTF-8.
class JsonLdExport {
public:
    // The recipe at recNo with its ingredients, category, taste and decoration by name. An
    // ingredient number the table does not hold is left out. Throws StoreError.
    static ExchangeRecipe read(TApollo& recipes, TApollo& ingredients, const ExchangeLists& lists, int recNo);
    // Every recipe that is not deleted, in table order.
    static QList<int> allRecNos(TApollo& recipes);
    static QByteArray document(const QList<ExchangeRecipe>& recipes);

    // Writes the recipes at recNos in this order, replacing the file whole; false when it cannot be
    // written (`reason` tells why). Throws StoreError.
    static bool write(const QString& path, TApollo& recipes, TApollo& ingredients, const ExchangeLists& lists,
                      const QList<int>& recNos, QString* reason = nullptr);

    // The photo as a URL relative to the program folder; empty for none.
    static QString imageUrl(const QString& bild, const QString& eigen);

    static QString doneText(int count) {
        return count == 1 ? QStringLiteral("1 Rezept exportiert.")
                          : QStringLiteral("%1 Rezepte exportiert.").arg(count);
    }
};
