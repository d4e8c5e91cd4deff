#include "RecipeSource.h"

#include "store/Fields.h"
#include "store/IngredientSlots.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QHash>

#include <memory>

namespace {

std::unique_ptr<TTable> openTable(TApolloEnv& env, const QString& folder, const QString& name) {
    auto table = std::make_unique<TTable>(env);
    table->setDatabaseName(folder);
    table->setTableName(name);
    table->setReadOnly(true);
    table->Open();
    return table;
}

} // namespace

QList<RecipeInfo> RecipeSource::recipes(const QString& dataFolder) {
    TApolloEnv env;
    env.SetDeleted(true);
    auto zuTable = openTable(env, dataFolder, QStringLiteral("ZU"));
    auto deTable = openTable(env, dataFolder, QStringLiteral("DE"));
    auto reTable = openTable(env, dataFolder, QStringLiteral("RE"));

    QHash<int, RecipeInfo::Ingredient> ingredients;
    TApollo zu(*zuTable);
    for (zu.GoTop(); !zu.Eof(); zu.Skip()) {
        RecipeInfo::Ingredient i;
        i.name = zu.GetTrimString(Fields::Ingredient::Name);
        i.alcohol = int(zu.GetInteger(Fields::Ingredient::Alcohol));
        i.unit = int(zu.GetInteger(Fields::Ingredient::Unit));
        i.pieceVolume = int(zu.GetInteger(Fields::Ingredient::Amount));
        ingredients.insert(int(zu.GetInteger(Fields::Ingredient::Number)), i);
    }
    TApollo de(*deTable);
    const int decorationCount = de.RecCount();

    QList<RecipeInfo> out;
    TApollo re(*reTable);
    for (re.GoTop(); !re.Eof(); re.Skip()) {
        RecipeInfo r;
        r.name = re.GetTrimString(Fields::Recipe::Name);
        r.bild = re.GetTrimString(Fields::Recipe::Picture);
        r.category = int(re.GetInteger(Fields::Recipe::Category));
        r.instructions = re.GetMemo(Fields::Recipe::Instructions);
        const int deko = int(re.GetInteger(Fields::Recipe::Decoration));
        if (deko > 0 && deko <= decorationCount) {
            de.Go(deko);
            r.decoration = de.GetTrimString(Fields::Term::Name);
        }
        const IngredientSlots packed(re.GetPaddedString(Fields::Recipe::Ingredients),
                                     re.GetPaddedString(Fields::Recipe::Amounts));
        for (const IngredientSlots::Line& line : packed.lines()) {
            RecipeInfo::Ingredient i = ingredients.value(line.ingredient);
            i.amount = line.amount;
            if (!i.name.isEmpty())
                r.ingredients.append(i);
        }
        out.append(r);
    }
    return out;
}

QList<RecipeSource::Picture> RecipeSource::pictures(const QString& dataFolder, const QString& table) {
    TApolloEnv env;
    env.SetDeleted(true);
    auto t = openTable(env, dataFolder, table);
    TApollo a(*t);
    QList<Picture> out;
    for (a.GoTop(); !a.Eof(); a.Skip()) {
        const Picture pic{a.GetTrimString(Fields::Term::Name), a.GetTrimString(Fields::Term::Picture)};
        if (!pic.bild.isEmpty())
            out.append(pic);
    }
    return out;
}
