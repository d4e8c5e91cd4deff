#include "SyntheticDataSet.h"

#include "store/IngredientSlots.h"
#include "store/ListsFile.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"
#include "store/TableSchemas.h"

#include <QDir>
#include <QRandomGenerator>

namespace {

const QStringList kWords = {
    QStringLiteral("Eis"),       QStringLiteral("Shaker"),   QStringLiteral("kräftig"),
    QStringLiteral("schütteln"), QStringLiteral("Glas"),     QStringLiteral("Limette"),
    QStringLiteral("Barlöffel"), QStringLiteral("abseihen"), QStringLiteral("Zeste"),
    QStringLiteral("servieren"), QStringLiteral("Soda"),     QStringLiteral("auffüllen")};

QString sentence(QRandomGenerator& rng, int words) {
    QStringList out;
    for (int i = 0; i < words; ++i)
        out << kWords.at(rng.bounded(int(kWords.size())));
    return out.join(QLatin1Char(' ')) + QLatin1Char('.');
}

void writeIngredients(TApolloEnv& env, const QString& folder, QRandomGenerator& rng) {
    TTable table(env);
    table.setDatabaseName(folder);
    table.setTableName(QStringLiteral("ZU"));
    table.Open();
    TApollo t(table);
    for (int n = 1; n <= SyntheticDataSet::kIngredients; ++n) {
        t.AppendBlank();
        t.ReplaceInteger(QStringLiteral("INDEX"), n);
        t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Zutat Nummer %1").arg(n));
        t.ReplaceInteger(QStringLiteral("ALKOHOL"), rng.bounded(3) == 0 ? 40 : 0);
        t.ReplaceInteger(QStringLiteral("KENNUNG"), rng.bounded(5));
        t.ReplaceLogical(QStringLiteral("H1"), rng.bounded(4) == 0);
        // Three in four have a price; by formula, so the random draws of the rest stay as they were.
        t.ReplaceInteger(QStringLiteral("PREIS"), n % 4 == 0 ? 0 : 500 + n * 37 % 3000);
        t.ReplaceInteger(QStringLiteral("VOL"), 70);
        t.ReplaceMemo(QStringLiteral("KOMMENTAR"), sentence(rng, 30));
    }
    t.Commit();
}

void writeRecipes(TApolloEnv& env, const QString& folder, QRandomGenerator& rng) {
    TTable table(env);
    table.setDatabaseName(folder);
    table.setTableName(QStringLiteral("RE"));
    table.Open();
    TApollo t(table);
    for (int r = 1; r <= SyntheticDataSet::kRecipes; ++r) {
        QList<IngredientSlots::Line> lines;
        const int count = 2 + rng.bounded(7);
        for (int i = 0; i < count; ++i)
            lines.append({1 + rng.bounded(SyntheticDataSet::kIngredients), 1 + rng.bounded(8)});
        t.AppendBlank();
        t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("Drink %1 %2").arg(kWords.at(r % 12)).arg(r));
        t.ReplaceText(QStringLiteral("BILD"), r % 7 == 0 ? QStringLiteral("e") : QString::number(r));
        t.ReplaceText(QStringLiteral("Z"), IngredientSlots::encodeNumbers(lines));
        t.ReplaceText(QStringLiteral("ZMENGE"), IngredientSlots::encodeAmounts(lines));
        t.ReplaceInteger(QStringLiteral("KAT"), 1 + rng.bounded(16));
        t.ReplaceInteger(QStringLiteral("GESCH"), rng.bounded(9));
        t.ReplaceInteger(QStringLiteral("ALK"), rng.bounded(45));
        t.ReplaceInteger(QStringLiteral("DEKO"), rng.bounded(40));
        t.ReplaceInteger(QStringLiteral("MARK"), rng.bounded(5) == 0 ? 1 : 0);
        t.ReplaceInteger(QStringLiteral("CANR"), 1000 * (1 + rng.bounded(4)) + 100 * (1 + rng.bounded(4)) +
                                                     10 * (1 + rng.bounded(4)) + 1 + rng.bounded(3));
        t.ReplaceMemo(QStringLiteral("ANLEITUNG"), RecipeMemo::join(sentence(rng, 60), sentence(rng, 15)));
    }
    t.Commit();
}

void writeNamed(TApolloEnv& env, const QString& folder, const QString& name, int count,
                QRandomGenerator& rng) {
    TTable table(env);
    table.setDatabaseName(folder);
    table.setTableName(name);
    table.Open();
    TApollo t(table);
    for (int i = 1; i <= count; ++i) {
        t.AppendBlank();
        t.ReplaceText(QStringLiteral("NAME"), QStringLiteral("%1 %2").arg(name).arg(i));
        t.ReplaceText(QStringLiteral("BILD"), QStringLiteral("X%1").arg(i));
        t.ReplaceMemo(QStringLiteral("TEXT"), sentence(rng, 40));
    }
    t.Commit();
}

} // namespace

void SyntheticDataSet::write(const QString& folder, quint32 seed) {
    QDir().mkpath(folder);
    TableSchemas::createMainTables(folder);
    QRandomGenerator rng(seed);
    TApolloEnv env;
    writeIngredients(env, folder, rng);
    writeRecipes(env, folder, rng);
    writeNamed(env, folder, QStringLiteral("DE"), 60, rng);
    writeNamed(env, folder, QStringLiteral("BA"), 200, rng);
    QStringList categories;
    for (int k = 1; k <= 16; ++k)
        categories << QStringLiteral("Kategorie %1").arg(k);
    ListsFile::save(QDir(folder).filePath(QStringLiteral("VE.DAT")), categories,
                    QStringList(8, QStringLiteral("Geschmack")));
}
