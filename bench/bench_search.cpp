// Search benchmark on the 5000-recipe synthetic data set: building the expression from the
// dialog's criteria, applying it, refilling the list (with the home bar rule) and lifting the
// filter, as one confirmed search does.
#include "BenchHarness.h"
#include "SqliteMirror.h"
#include "SyntheticDataSet.h"
#include "app/RecipeListListing.h"
#include "browser/RecipeList.h"
#include "common/AliasFile.h"
#include "common/Aliases.h"
#include "common/AppState.h"
#include "editors/ChoiceLists.h"
#include "search/FullTextQuery.h"
#include "search/RecipeTextIndex.h"
#include "search/SearchPass.h"
#include "search/SearchSession.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

void openTable(TTable& table, const QString& folder, const char* name) {
    table.setDatabaseName(folder);
    table.setTableName(QString::fromLatin1(name));
    table.Open();
}

// The entry of the ingredient box carrying the ingredient number.
int entryOf(const SearchSession& session, int number) {
    const QList<ListEntry>& box = session.choices().ingredients;
    for (int i = 1; i < int(box.size()); ++i) {
        if (box.at(i).data == number)
            return i;
    }
    return 0;
}

struct Case {
    QString name;
    int expressionLength = 0;
    int found = 0;
    BenchHarness::Result result;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    SyntheticDataSet::write(dir.path());
    // The same texts in SQLite's full text index, to hold ours against.
    const QString dbPath = QDir(dir.path()).filePath(QStringLiteral("mirror.db"));
    const bool mirrored = SqliteMirror::build(dir.path(), dbPath) && SqliteMirror::addFullText(dbPath);
    TApolloEnv env;
    env.SetDeleted(true);
    TTable re(env);
    TTable zu(env);
    openTable(re, dir.path(), "RE");
    openTable(zu, dir.path(), "ZU");
    TApollo recipes(re);
    TApollo ingredients(zu);
    AppState state;
    state.catalogue.readLists(QDir(dir.path()).filePath(QStringLiteral("VE.DAT")));
    state.catalogue.setIngredients(Catalogue::readIngredients(ingredients));
    SearchSession session(state);
    session.begin();
    RecipeList list;
    RecipeListListing listing(list, recipes, state.catalogue.ingredients().homeBars.test(1, 2));
    listing.FillRecipeList(false);
    const int total = recipes.Count();

    const auto measure = [&](const QString& name) {
        Case c;
        c.name = name;
        c.expressionLength = int(session.expression().size());
        c.result = BenchHarness::run(name, [&] {
            const SearchPass::Outcome o =
                SearchPass::run(recipes, listing, total, session.expression(), session.form().homeBarOnly,
                                session.recordTest(recipes));
            c.found = o.found;
        });
        return c;
    };
    // The search's own part without the list fill: building the expression, applying it, lifting it.
    const auto measureQuery = [&](const QString& name) {
        return BenchHarness::run(name, [&] {
            recipes.Query(session.expression());
            recipes.Query(QString());
        });
    };

    // Every clause: four rows with alternatives, category, taste, range, marked, own.
    for (int row = 0; row < 4; ++row) {
        session.setIngredient(row, entryOf(session, 2 + row));
        session.setAlternative(row, entryOf(session, 10 + row));
    }
    session.setCategory(1);
    session.setTaste(1);
    session.editMinimum(QStringLiteral("0"));
    session.editMaximum(QStringLiteral("98"));
    session.setMarkedOnly(true);
    session.setOwnOnly(true);
    session.setHomeBarOnly(true);
    const Case largest = measure(QStringLiteral("größter Ausdruck + Hausbar"));
    const BenchHarness::Result largestQuery = measureQuery(QStringLiteral("größter Ausdruck, nur Filter"));

    // Four "ohne" rows and a range: most drinks pass, so the home bar fill sees nearly all of them.
    session.Reset();
    for (int row = 0; row < 4; ++row) {
        session.setIngredient(row, entryOf(session, 1400 + row));
        session.setWithout(row, true);
    }
    session.editMaximum(QStringLiteral("98"));
    session.setHomeBarOnly(true);
    const Case broad = measure(QStringLiteral("viele Treffer + Hausbar"));
    const BenchHarness::Result broadQuery = measureQuery(QStringLiteral("viele Treffer, nur Filter"));

    session.setHomeBarOnly(false);
    const Case broadPlain = measure(QStringLiteral("viele Treffer ohne Hausbar"));

    // The full text reads every listed drink's name and memo: words found in nearly all of them,
    // a word found in none (every text read to its end), and a full text with the criteria above.
    session.Reset();
    session.setFullText(QStringLiteral("kraeftig BARLOEFFEL"));
    const Case textMost = measure(QStringLiteral("Volltext, 2 Wörter, fast alle Treffer"));
    session.setFullText(QStringLiteral("Minze"));
    const Case textNone = measure(QStringLiteral("Volltext ohne Treffer"));
    for (int row = 0; row < 4; ++row) {
        session.setIngredient(row, entryOf(session, 1400 + row));
        session.setWithout(row, true);
    }
    session.editMaximum(QStringLiteral("98"));
    session.setFullText(QStringLiteral("schuetteln limette"));
    const Case textCriteria = measure(QStringLiteral("Volltext + viele Treffer"));
    // The index alone against SQLite's on the same words (its own spelling: it folds accents but
    // knows no "ae" for "ä"), every match counted.
    session.Reset();
    RecipeTextIndex index;
    int textFound = 0;
    int ftsFound = 0;
    const auto indexed = [&](const QString& words) {
        const FullTextQuery query(words);
        return BenchHarness::run(u"Volltextindex: "_s + words, [&] {
            const std::vector<char> found = index.matches(recipes, query);
            textFound = int(std::count(found.begin(), found.end(), 1));
        });
    };
    sqlite3* db = mirrored ? SqliteMirror::open(dbPath) : nullptr;
    const auto fts = [&](const char* match) {
        const QByteArray sql =
            QByteArray("SELECT rowid FROM recipe_text WHERE recipe_text MATCH '") + match + "'";
        return BenchHarness::run(u"SQLite FTS5: "_s + QString::fromUtf8(match),
                                 [&] { ftsFound = SqliteMirror::countRows(db, sql.constData()); });
    };
    struct Pair {
        BenchHarness::Result ours;
        int oursFound;
        BenchHarness::Result theirs;
        int theirsFound;
    };
    QList<Pair> pairs;
    for (const auto& [words, match] :
         {std::pair{u"kraeftig barloeffel"_s, "kräftig* barlöffel*"}, std::pair{u"Minze"_s, "minz*"},
          std::pair{u"schuetteln limette"_s, "schütteln* limette*"}}) {
        Pair p{indexed(words), textFound, {}, -1};
        if (db) {
            p.theirs = fts(match);
            p.theirsFound = ftsFound;
        }
        pairs.append(p);
    }
    if (db)
        sqlite3_close(db);
    for (int row = 0; row < 4; ++row) {
        session.setIngredient(row, entryOf(session, 1400 + row));
        session.setWithout(row, true);
    }
    session.editMaximum(QStringLiteral("98"));
    session.setFullText(QStringLiteral("schuetteln limette"));
    // The search dialog's count for the same criteria after every change: counted, not listed.
    int counted = 0;
    const BenchHarness::Result liveText =
        BenchHarness::run(QStringLiteral("Anzahl im Dialog, Volltext + viele Treffer"),
                          [&] { counted = session.liveCount(recipes).value_or(-1); });
    // The second page reads the instructions: how the drink is made and its glass.
    session.setPreparation(1);
    session.setGlass(1);
    const BenchHarness::Result liveTraits =
        BenchHarness::run(QStringLiteral("Anzahl im Dialog, Volltext + Zubereitung + Glas"),
                          [&] { counted = session.liveCount(recipes).value_or(-1); });
    session.setPreparation(0);
    session.setGlass(0);
    session.setFullText(QString());
    const BenchHarness::Result liveCriteria =
        BenchHarness::run(QStringLiteral("Anzahl im Dialog, viele Treffer"),
                          [&] { counted = session.liveCount(recipes).value_or(-1); });

    // The quick search over the whole list: a text no drink begins with compares every name, and
    // every other name of the 500 drinks that have one, before the fallbacks.
    listing.FillRecipeList(false);
    QString aliasText;
    for (int i = 0; i < 500; ++i)
        aliasText += QStringLiteral("Drink: %1 = Hausname %2, Anderer Name %2\n")
                         .arg(list.entries().at(i * 10).text)
                         .arg(i);
    const Aliases aliases(AliasFile::parse(aliasText));
    int quickFound = 0;
    const BenchHarness::Result quickNone =
        BenchHarness::run(QStringLiteral("Schnellsuche ohne Treffer"), [&] {
            quickFound = list.QuickSearch(QStringLiteral("zuerst"), aliases.drinkNames()).index;
        });
    const BenchHarness::Result quickOther =
        BenchHarness::run(QStringLiteral("Schnellsuche, anderer Name"), [&] {
            quickFound = list.QuickSearch(QStringLiteral("Hausname 499"), aliases.drinkNames()).index;
        });
    const BenchHarness::Result quickLast =
        BenchHarness::run(QStringLiteral("Schnellsuche, letzter Name"), [&] {
            quickFound = list.QuickSearch(list.entries().last().text, aliases.drinkNames()).index;
        });

    out << "Synthetische Daten: " << total << " Rezepte, " << SyntheticDataSet::kIngredients
        << " Zutaten\n\n";
    for (const Case& c : {largest, broad, broadPlain, textMost, textNone, textCriteria}) {
        out << c.name << ": Ausdruck " << c.expressionLength << " Zeichen, " << c.found << " Treffer\n";
        // The full text reads and folds every memo: a quarter second for the whole set, a click's answer.
        BenchHarness::print(out, c.result, c.name.startsWith(QStringLiteral("Volltext")) ? 250 : 10);
    }
    // Counted again after every change of a criterion: no more than a keystroke's time.
    out << "\nAnzahl im Suchdialog (zuletzt " << counted << " Drinks)\n";
    BenchHarness::print(out, liveText, 20);
    BenchHarness::print(out, liveTraits, 20);
    BenchHarness::print(out, liveCriteria, 20);
    out << "\nVolltextindex gegen SQLite FTS5 (dieselben Texte; Ziel höchstens das Doppelte)\n";
    for (const Pair& p : pairs) {
        BenchHarness::print(out, p.ours, 10);
        out << "  " << p.oursFound << " Treffer\n";
        if (p.theirsFound < 0) {
            out << "  SQLite FTS5 nicht verfügbar\n";
            continue;
        }
        BenchHarness::print(out, p.theirs);
        out << "  " << p.theirsFound << " Treffer; Faktor "
            << QString::number(p.ours.medianMs / p.theirs.medianMs, 'f', 2)
            << (p.ours.medianMs <= 2 * p.theirs.medianMs ? "" : "  ZIEL VERFEHLT") << '\n';
    }
    out << "\nOhne Listenaufbau (Ausdruck bilden, Query, Filter aufheben)\n";
    BenchHarness::print(out, largestQuery, 10);
    BenchHarness::print(out, broadQuery, 10);
    // Typed letter by letter: with the fallbacks no more than 5 ms a keystroke.
    out << "\nSchnellsuche über " << list.ListedCount() << " Namen und 1000 andere Namen (zuletzt Eintrag "
        << quickFound << ")\n";
    BenchHarness::print(out, quickNone, 5);
    BenchHarness::print(out, quickOther, 5);
    BenchHarness::print(out, quickLast, 5);
    return 0;
}
