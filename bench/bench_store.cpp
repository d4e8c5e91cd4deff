// Record store benchmarks on the 5000-recipe synthetic data set, with SQLite on the same data.
#include "BenchHarness.h"
#include "SqliteMirror.h"
#include "SyntheticDataSet.h"
#include "browser/RecipeMarks.h"
#include "common/IngredientLookup.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

#include <memory>

namespace {

// The largest filter the search builds: four ingredient rows with alternatives, category, taste,
// alcohol range, marked and own recipes.
const QString kLargestFilter = QStringLiteral(
    "(AT(\"   12\",Z)>0 .OR. AT(\"    7\",Z)>0) .AND. (AT(\"  305\",Z)>0 .OR. AT(\"  411\",Z)>0) .AND. "
    "(AT(\"  733\",Z)>0 .OR. AT(\" 1024\",Z)>0) .AND. (AT(\" 1402\",Z)>0 .OR. AT(\"   88\",Z)>0) .AND. "
    "KAT = 3 .AND. GESCH = 2 .AND. ALK >= 5 .AND. ALK <= 40 .AND. MARK = 1 .AND. BILD = \"e\"");

const char* kLargestSql =
    "SELECT rowid FROM recipes WHERE (instr(z,'   12')>0 OR instr(z,'    7')>0) AND (instr(z,'  305')>0 OR "
    "instr(z,'  411')>0) AND (instr(z,'  733')>0 OR instr(z,' 1024')>0) AND (instr(z,' 1402')>0 OR "
    "instr(z,'   88')>0) AND kat = 3 AND gesch = 2 AND alk >= 5 AND alk <= 40 AND mark = 1 AND bild LIKE "
    "'e%'";

// The filter the search builds most often: one ingredient with an alternative and a category.
const QString kTypicalFilter = QStringLiteral("(AT(\"   12\",Z)>0 .OR. AT(\"    7\",Z)>0) .AND. KAT = 3");

struct Tables {
    TApolloEnv env;
    std::unique_ptr<TTable> re, zu, de, ba;
    void open(const QString& folder) {
        const std::pair<std::unique_ptr<TTable>*, const char*> all[] = {
            {&re, "RE"}, {&zu, "ZU"}, {&de, "DE"}, {&ba, "BA"}};
        for (const auto& [slot, name] : all) {
            *slot = std::make_unique<TTable>(env);
            (*slot)->setDatabaseName(folder);
            (*slot)->setTableName(QString::fromLatin1(name));
            (*slot)->Open();
        }
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    SyntheticDataSet::write(dir.path());
    const QString dbPath = dir.filePath(QStringLiteral("mirror.sqlite"));
    if (!SqliteMirror::build(dir.path(), dbPath)) {
        out << "SQLite-Spiegel konnte nicht angelegt werden\n";
        return 1;
    }
    out << "Synthetische Daten: " << SyntheticDataSet::kRecipes << " Rezepte, "
        << SyntheticDataSet::kIngredients << " Zutaten\n\n";

    BenchHarness::Result query, typical, scan, seeks, textSeeks, markAll, clearAll, markSingly;
    {
        auto tables = std::make_unique<Tables>();
        tables->env.SetDeleted(true);
        tables->open(dir.path());
        TApollo re(*tables->re);
        TApollo zu(*tables->zu);
        zu.IndexTag(QString(), QStringLiteral("INDEX"), QStringLiteral("INDEX"));

        query = BenchHarness::run(QStringLiteral("Query, größter Suchfilter"), [&] {
            re.Query(kLargestFilter);
            re.Query(QString());
        });
        typical = BenchHarness::run(QStringLiteral("Query, typischer Suchfilter"), [&] {
            re.Query(kTypicalFilter);
            re.Query(QString());
        });
        scan = BenchHarness::run(QStringLiteral("RE vollständig lesen (Turbo), NAME + Z"), [&] {
            re.SetTurboRead(true);
            for (re.GoTop(); !re.Eof(); re.Skip()) {
                re.GetTrimString(QStringLiteral("NAME"));
                re.GetPaddedString(QStringLiteral("Z"));
            }
            re.SetTurboRead(false);
        });
        // The program's path (the recipe view, the home bar): by number, through the dense look-up.
        seeks = BenchHarness::run(QStringLiteral("5000 × 20 Zutaten-Seeks (IngredientLookup)"), [&] {
            for (int r = 0; r < 5000; ++r)
                for (int k = 0; k < 20; ++k)
                    IngredientLookup::seek(zu, 1 + (r * 20 + k) * 7 % 1500);
        });
        textSeeks = BenchHarness::run(QStringLiteral("5000 × 20 Zutaten-Seeks (Text)"), [&] {
            for (int r = 0; r < 5000; ++r)
                for (int k = 0; k < 20; ++k)
                    zu.Seek(QString::number(1 + (r * 20 + k) * 7 % 1500));
        });
        re.Query(QString());

        // The mass changes of the marks, on disk (the temporary folder is not in memory).
        QList<int> all;
        for (re.GoTop(); !re.Eof(); re.Skip())
            all << re.RecNo();
        markAll = BenchHarness::run(QStringLiteral("Alle 5000 Drinks markieren"),
                                    [&] { RecipeMarks::MarkAllListed(re, all); });
        clearAll = BenchHarness::run(QStringLiteral("Alle Markierungen aufheben"),
                                     [&] { RecipeMarks::ClearAllMarks(re); });
        markSingly = BenchHarness::run(QStringLiteral("50 Drinks einzeln markieren (Commit je Drink)"), [&] {
            for (int k = 0; k < 50; ++k)
                RecipeMarks::ToggleMark(re, all.at(k * 97), k % 2 == 0);
        });
    }
    const auto opening = BenchHarness::run(QStringLiteral("Vier Tabellen öffnen + INDEX aufbauen"), [&] {
        Tables t;
        t.open(dir.path());
        TApollo z(*t.zu);
        z.IndexTag(QString(), QStringLiteral("INDEX"), QStringLiteral("INDEX"));
    });

    sqlite3* db = SqliteMirror::open(dbPath);
    const auto sqlQuery = BenchHarness::run(QStringLiteral("SQLite: größter Suchfilter"),
                                            [&] { SqliteMirror::countRows(db, kLargestSql); });
    const auto sqlScan = BenchHarness::run(QStringLiteral("SQLite: recipes vollständig lesen"), [&] {
        SqliteMirror::countRows(db, "SELECT name, z FROM recipes");
    });
    sqlite3_stmt* seek = nullptr;
    sqlite3_prepare_v2(db, "SELECT name, kennung, alkohol FROM ingredients WHERE idx = ?", -1, &seek,
                       nullptr);
    const auto sqlSeeks = BenchHarness::run(QStringLiteral("SQLite: 5000 × 20 Schlüsselzugriffe"), [&] {
        for (int r = 0; r < 5000; ++r)
            for (int k = 0; k < 20; ++k) {
                sqlite3_bind_int(seek, 1, 1 + (r * 20 + k) * 7 % 1500);
                sqlite3_step(seek);
                sqlite3_reset(seek);
            }
    });
    sqlite3_finalize(seek);
    sqlite3_close(db);
    const auto sqlOpen = BenchHarness::run(QStringLiteral("SQLite: Datenbank öffnen + erste Abfrage"), [&] {
        sqlite3* d = SqliteMirror::open(dbPath);
        SqliteMirror::countRows(d, "SELECT name FROM ingredients WHERE idx = 1");
        sqlite3_close(d);
    });

    out << "Record Store\n";
    BenchHarness::print(out, query, 2);
    BenchHarness::print(out, typical, 2);
    BenchHarness::print(out, scan);
    BenchHarness::print(out, seeks, 2);
    BenchHarness::print(out, textSeeks, 10);
    BenchHarness::print(out, markAll, 200);
    BenchHarness::print(out, clearAll, 200);
    BenchHarness::print(out, markSingly);
    BenchHarness::print(out, opening, 20);
    out << "\nSQLite (gleiche Daten, gleiche Abfrage)\n";
    BenchHarness::print(out, sqlQuery);
    BenchHarness::print(out, sqlScan);
    BenchHarness::print(out, sqlSeeks);
    BenchHarness::print(out, sqlOpen);
    out << "\nVerhältnis Store / SQLite: Filter "
        << QString::number(query.medianMs / sqlQuery.medianMs, 'f', 2) << ", Lesen "
        << QString::number(scan.medianMs / sqlScan.medianMs, 'f', 2) << ", Seeks "
        << QString::number(seeks.medianMs / sqlSeeks.medianMs, 'f', 2) << ", Öffnen "
        << QString::number(opening.medianMs / sqlOpen.medianMs, 'f', 2) << '\n';
    return 0;
}
