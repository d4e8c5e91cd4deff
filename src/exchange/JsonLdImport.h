#pragma once

#include "exchange/ExchangeLists.h"
#include "exchange/ExchangeRecipe.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

class TApolloEnv;

// Adds the recipes of a JSON-LD file as new recipes. The work is done on staged copies of the
// recipe and ingredient tables that replace the data only when every recipe of the file went in:
// an invalid file writes nothing.
class JsonLdImport {
public:
    static constexpr int kFirstOwnNumber = 400;
    static constexpr int kHighestNumber = 1500; // what the home bars know
    static constexpr int kNameLength = 40;
    static constexpr int kIngredientNameLength = 30;

    struct Outcome {
        int recipes = 0;
        int ingredients = 0; // created
        QStringList warnings;
    };

    // The recipes of a file: a Recipe object, an array of them, or an object whose "@graph" holds
    // them among other things. Throws JsonLdError.
    static QList<ExchangeRecipe> parse(const QByteArray& bytes);

    // The tables of dataFolder must be closed meanwhile. Throws JsonLdError for an invalid file
    // and StoreError when the data cannot be read or replaced; the data stay as they were.
    static Outcome run(TApolloEnv& env, const QString& dataFolder, const QByteArray& bytes,
                       const ExchangeLists& lists, int dashesPerCl);

    // "N Rezepte importiert." with the new ingredients and the warnings, lines broken with CR.
    static QString doneText(const Outcome& outcome);
    static QString unreadableText(const QString& path) {
        return QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(path);
    }
    // The name a recipe gets when its own name is taken: " (Import)", then " (Import 2)" and so on,
    // the name cut so that the whole fits the name field.
    static QString importName(const QString& name, int attempt);

private:
    class Pass;
};
