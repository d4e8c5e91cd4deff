#pragma once

#include "exchange/ExchangeLists.h"
#include "exchange/ExchangeRecipe.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

class TApollo;

// The recipe list for spreadsheets: CSV as RFC 4180 has it (comma between fields; a field with a
// comma, a quote or a line break in double quotes, quotes doubled; CR LF after each line), UTF-8
// with a byte order mark so that spreadsheet programs read the umlauts right. A header, then one
// line per drink: its ingredients in one field, its instructions and remark without line breaks.
class RecipeCsv {
public:
    static QStringList header();
    static QStringList row(const ExchangeRecipe& recipe);
    static QString field(const QString& text);
    static QByteArray document(const QList<ExchangeRecipe>& recipes);

    // The recipes at recNos in this order, the file replaced whole; false when it cannot be written
    // (`failure` gets the message). Throws StoreError.
    static bool write(const QString& path, TApollo& recipes, TApollo& ingredients, const ExchangeLists& lists,
                      const QList<int>& recNos, QString* failure = nullptr);

    static QString doneText(int count) {
        return count == 1 ? QStringLiteral("1 Rezept in die CSV-Datei geschrieben.")
                          : QStringLiteral("%1 Rezepte in die CSV-Datei geschrieben.").arg(count);
    }
};
