#include "UpdateFolder.h"

#include "store/BulkWrite.h"
#include "store/DbfFile.h"
#include "store/TApollo.h"
#include "store/TTable.h"
#include "store/TableSchemas.h"

#include <QDir>

namespace {

template <class Fill>
void writeTable(TApolloEnv& env, const QString& folder, const QString& name,
                const QList<DbfFile::Definition>& fields, Fill fill) {
    DbfFile::create(QDir(folder).filePath(name + QStringLiteral(".DBF")), DbfFile::kVersionDbt, fields);
    TTable table(env);
    table.setDatabaseName(folder);
    table.setTableName(name);
    table.Open();
    TApollo apollo(table);
    BulkWrite pass(apollo);
    fill(apollo);
    pass.finish();
    table.Close();
}

} // namespace

void UpdateFolder::write(TApolloEnv& env, const QString& folder, const QList<Recipe>& recipes,
                         const QList<Ingredient>& ingredients, bool withIngredients) {
    writeTable(env, folder, QStringLiteral("V98_R"), TableSchemas::recipes(), [&](TApollo& t) {
        for (const Recipe& r : recipes) {
            t.AppendBlank();
            t.ReplaceText(QStringLiteral("NAME"), r.name);
            t.ReplaceText(QStringLiteral("BILD"), QStringLiteral("u") + r.name.left(4));
            t.ReplaceText(QStringLiteral("Z"), r.z);
            t.ReplaceText(QStringLiteral("ZMENGE"), r.zmenge);
            t.ReplaceInteger(QStringLiteral("KAT"), r.kat);
            t.ReplaceInteger(QStringLiteral("ALK"), r.alk);
            t.ReplaceInteger(QStringLiteral("CANR"), r.canr);
            t.ReplaceMemo(QStringLiteral("ANLEITUNG"), r.anleitung);
            t.Commit();
        }
    });
    if (!withIngredients)
        return;
    writeTable(env, folder, QStringLiteral("V98_Z"), TableSchemas::ingredients(), [&](TApollo& t) {
        for (const Ingredient& i : ingredients) {
            t.AppendBlank();
            t.ReplaceInteger(QStringLiteral("INDEX"), i.number);
            t.ReplaceText(QStringLiteral("NAME"), i.name);
            t.ReplaceInteger(QStringLiteral("ALKOHOL"), i.alcohol);
            t.ReplaceInteger(QStringLiteral("KENNUNG"), i.kind);
            t.ReplaceLogical(QStringLiteral("H1"), true); // the update's flags are never taken over
            t.ReplaceMemo(QStringLiteral("KOMMENTAR"), i.comment);
            t.Commit();
        }
    });
}
