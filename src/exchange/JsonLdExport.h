#pragma once

#include "exchange/ExchangeLists.h"
#include "exchange/ExchangeRecipe.h"

#include <QByteArray>
#include <QList>

#include <functional>

class TApollo;

// Recipes written as a JSON-LD file: an array of schema.org Recipe objects, UTF-8. The photos go
// along as PNG, in a folder beside the file ("Rezepte.json": "Rezepte-Bilder/12.png") or, on
// request, inside it as data: URLs.
class JsonLdExport {
public:
    using Progress = std::function<void(int done, int total)>;
    struct Pictures {
        bool embedded = false;
        QString collectionFolder; // the program's BILDER; empty: no collection photos
        QString ownFolder;        // EIGENE
    };

    // The recipe at recNo with its ingredients, category, taste and decoration by name, its
    // strength and volume. An ingredient number the table does not hold is left out. Throws
    // StoreError.
    static ExchangeRecipe read(TApollo& recipes, TApollo& ingredients, const ExchangeLists& lists, int recNo);
    // Every recipe that is not deleted, in table order.
    static QList<int> allRecNos(TApollo& recipes);
    static QByteArray document(const QList<ExchangeRecipe>& recipes);

    // Writes the recipes at recNos in this order, the pictures first, the JSON file last, each
    // file replaced whole; false when one cannot be written (`failure` gets the message, file and
    // reason). Throws StoreError.
    static bool write(const QString& path, TApollo& recipes, TApollo& ingredients, const ExchangeLists& lists,
                      const QList<int>& recNos, const Pictures& pictures, QString* failure = nullptr,
                      const Progress& progress = {});

    // Our name of a recipe's photo: "BILDER/12/1234.BMP" or "EIGENE/NAME.BMP"; empty for none.
    static QString photoName(const QString& bild, const QString& eigen);
    // The folder beside the file that takes its pictures: "Rezepte.json" -> "Rezepte-Bilder".
    static QString picturesFolderName(const QString& path);

    static QString waitText() { return QStringLiteral("Die Rezepte und ihre Fotos werden exportiert."); }
    static QString doneText(int count) {
        return count == 1 ? QStringLiteral("1 Rezept exportiert.")
                          : QStringLiteral("%1 Rezepte exportiert.").arg(count);
    }
};
