#include "Version1Folder.h"

#include "store/BulkWrite.h"
#include "store/DbfFile.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>
#include <QFile>

namespace {

QList<DbfFile::Definition> recipeFields() {
    QList<DbfFile::Definition> fields = {{"NAME", 'C', 40, 0}, {"BILD", 'C', 10, 0}};
    for (int slot = 1; slot <= 20; ++slot) {
        fields.append({"Z" + QByteArray::number(slot), 'N', 5, 0});
        fields.append({"M" + QByteArray::number(slot), 'N', 5, 0});
    }
    fields.append({{"KATEGORIE", 'N', 3, 0}, {"ALKOHOL", 'N', 3, 0}, {"ANLEITUNG", 'M', 10, 0}});
    return fields;
}

QList<DbfFile::Definition> ingredientFields() {
    return {{"NAME", 'C', 30, 0},
            {"ALKOHOL", 'N', 3, 0},
            {"KENNUNG", 'N', 1, 0},
            {"HAUSBAR", 'L', 1, 0},
            {"KOMMENTAR", 'M', 10, 0}};
}

// Creates the table under a name the store opens, fills it and moves it to version 1's names.
template <class Fill>
void writeTable(TApolloEnv& env, const QString& folder, const QString& v1Name,
                const QList<DbfFile::Definition>& fields, Fill fill) {
    const QDir dir(folder);
    const QString base = QStringLiteral("V1_") + v1Name;
    DbfFile::create(dir.filePath(base + QStringLiteral(".DBF")), DbfFile::kVersionDbt, fields);
    {
        TTable table(env);
        table.setDatabaseName(folder);
        table.setTableName(base);
        table.Open();
        TApollo apollo(table);
        BulkWrite pass(apollo);
        fill(apollo);
        pass.finish();
        table.Close();
    }
    for (const auto& [from, to] : {std::pair{".DBF", ".100"}, std::pair{".DBT", ".200"}}) {
        const QString target = dir.filePath(v1Name + QString::fromLatin1(to));
        QFile::remove(target);
        QFile::rename(dir.filePath(base + QString::fromLatin1(from)), target);
    }
}

} // namespace

void Version1Folder::write(TApolloEnv& env, const QString& folder, const QList<Ingredient>& own,
                           const QList<Recipe>& recipes, int supplied) {
    writeTable(env, folder, QStringLiteral("ZUTATEN"), ingredientFields(), [&](TApollo& t) {
        QList<Ingredient> all;
        for (int i = 1; i <= supplied; ++i)
            all.append({QStringLiteral("Zutat %1").arg(i)});
        all.append(own);
        for (const Ingredient& i : all) {
            t.AppendBlank();
            t.ReplaceText(QStringLiteral("NAME"), i.name);
            t.ReplaceInteger(QStringLiteral("ALKOHOL"), i.alcohol);
            t.ReplaceInteger(QStringLiteral("KENNUNG"), i.kind);
            t.ReplaceLogical(QStringLiteral("HAUSBAR"), i.homeBar);
            if (!i.comment.isEmpty())
                t.ReplaceMemo(QStringLiteral("KOMMENTAR"), i.comment);
            t.Commit();
        }
    });
    writeTable(env, folder, QStringLiteral("REZEPTE"), recipeFields(), [&](TApollo& t) {
        for (const Recipe& r : recipes) {
            t.AppendBlank();
            t.ReplaceText(QStringLiteral("NAME"), r.name);
            t.ReplaceText(QStringLiteral("BILD"), r.bild);
            for (int slot = 0; slot < r.lines.size(); ++slot) {
                t.ReplaceInteger(QStringLiteral("Z%1").arg(slot + 1), r.lines.at(slot).first);
                t.ReplaceInteger(QStringLiteral("M%1").arg(slot + 1), r.lines.at(slot).second);
            }
            t.ReplaceInteger(QStringLiteral("KATEGORIE"), r.category);
            t.ReplaceInteger(QStringLiteral("ALKOHOL"), r.alcohol);
            if (!r.instructions.isEmpty())
                t.ReplaceMemo(QStringLiteral("ANLEITUNG"), r.instructions);
            t.Commit();
        }
    });
}
