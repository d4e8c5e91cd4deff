#include "exchange/RecipeUpdate.h"

#include "exchange/StagedTables.h"
#include "store/BulkWrite.h"
#include "store/TApollo.h"
#include "store/TTable.h"

namespace {

// The update's field names are written in small letters; the store compares them without case.
void copyText(TApollo& from, TApollo& to, const char* field) {
    const QString name = QString::fromLatin1(field);
    to.ReplaceText(name, from.GetTrimString(name));
}

void copyInteger(TApollo& from, TApollo& to, const char* field) {
    const QString name = QString::fromLatin1(field);
    to.ReplaceInteger(name, from.GetInteger(name));
}

int addRecipes(TApollo& update, TApollo& recipes, const QSet<QString>& known) {
    int added = 0;
    for (update.GoTop(); !update.Eof(); update.Skip(1)) {
        if (update.IsDeleted())
            continue;
        // The list is not extended meanwhile: equal new names inside one update all arrive.
        if (known.contains(StagedTables::nameKey(update.GetTrimString(QStringLiteral("name")))))
            continue;
        recipes.AppendBlank();
        copyText(update, recipes, "NAME");
        copyText(update, recipes, "BILD");
        recipes.ReplaceText(QStringLiteral("Z"), update.GetPaddedString(QStringLiteral("z")));
        recipes.ReplaceText(QStringLiteral("ZMENGE"), update.GetPaddedString(QStringLiteral("zmenge")));
        for (const char* field : {"KAT", "ALK", "DEKO", "GESCH", "MARK", "CANR"})
            copyInteger(update, recipes, field);
        recipes.ReplaceMemo(QStringLiteral("ANLEITUNG"), update.GetMemo(QStringLiteral("anleitung")));
        recipes.Commit();
        ++added;
    }
    return added;
}

int addIngredients(TApollo& update, TApollo& ingredients) {
    QSet<qint64> numbers;
    for (ingredients.GoTop(); !ingredients.Eof(); ingredients.Skip(1))
        numbers.insert(ingredients.GetInteger(QStringLiteral("INDEX")));
    int added = 0;
    for (update.GoTop(); !update.Eof(); update.Skip(1)) {
        const qint64 number = update.GetInteger(QStringLiteral("index"));
        if (update.IsDeleted() || numbers.contains(number))
            continue;
        numbers.insert(number);
        ingredients.AppendBlank();
        ingredients.ReplaceInteger(QStringLiteral("INDEX"), number);
        copyText(update, ingredients, "NAME");
        copyText(update, ingredients, "ALKOHOL");
        copyText(update, ingredients, "KENNUNG");
        // New ingredients are in no home bar.
        for (const char* bar : {"H1", "H2", "H3"})
            ingredients.ReplaceLogical(QString::fromLatin1(bar), false);
        for (const char* field : {"PREIS", "VOL", "WICHTIG", "MENGE"})
            copyInteger(update, ingredients, field);
        ingredients.ReplaceMemo(QStringLiteral("KOMMENTAR"), update.GetMemo(QStringLiteral("kommentar")));
        ingredients.Commit();
        ++added;
    }
    return added;
}

} // namespace

Notice RecipeUpdate::closingNotice(const Outcome& outcome) {
    if (!restart(outcome))
        return Notice::hint(QStringLiteral("Seit dem letzten Update sind\rkeine Rezepte hinzugekommen."), 2);
    return Notice::hint(QString::number(outcome.recipes) +
                            QStringLiteral(" Rezepte wurden hinzugefügt.\r\r"
                                           "Bitte starten Sie Velta Cocktails erneut,\r"
                                           "damit die Änderungen wirksam werden."),
                        4);
}

RecipeUpdate::Outcome RecipeUpdate::run(TApolloEnv& env, const QString& updateFolder,
                                        const QString& dataFolder) {
    StagedTables staged(env, dataFolder);
    const QSet<QString> known = staged.recipeNames();
    Outcome outcome;
    {
        BulkWrite recipeWrites(staged.recipes()), ingredientWrites(staged.ingredients());
        TTable updateTable(env);
        TApollo update(updateTable);
        updateTable.Open(updateFolder, QStringLiteral("V98_R"), true);
        outcome.recipes = addRecipes(update, staged.recipes(), known);
        updateTable.Close();
        updateTable.Open(updateFolder, QStringLiteral("V98_Z"), true);
        outcome.ingredients = addIngredients(update, staged.ingredients());
        updateTable.Close();
        ingredientWrites.finish();
        recipeWrites.finish();
    }
    if (restart(outcome))
        staged.replaceData();
    return outcome;
}
