#include "SearchVerb.h"

#include "app/RecipeListListing.h"
#include "browser/RecipeList.h"
#include "browser/SimilarDrinks.h"
#include "common/AliasFile.h"
#include "common/Aliases.h"
#include "common/AppState.h"
#include "common/Catalogue.h"
#include "common/IngredientMarks.h"
#include "common/TypeAhead.h"
#include "search/SearchPass.h"
#include "search/SearchSession.h"
#include "store/FolderLookup.h"
#include "store/SavedSearchTexts.h"
#include "store/SavedSearches.h"
#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <optional>

namespace {
void openTable(TTable& table, const QString& folder, const char* name) {
    table.setDatabaseName(folder);
    table.setTableName(QString::fromLatin1(name));
    table.setReadOnly(true);
    table.Open();
}

bool folderFound(const QString& folder, QTextStream& err) {
    if (QFileInfo(folder).isDir())
        return true;
    err << "veltadb: Der Ordner " << folder << " wurde nicht gefunden.\n";
    return false;
}

int slotNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= SavedSearches::kSlots ? n : 0;
}

// A folder's recipe and ingredient tables, read-only, deleted records hidden. Throws StoreError.
struct RecipeTables {
    explicit RecipeTables(const QString& folder) {
        env.SetDeleted(true);
        openTable(recipeTable, folder, "RE");
        openTable(ingredientTable, folder, "ZU");
        recipes.emplace(recipeTable);
        ingredients.emplace(ingredientTable);
    }
    TApolloEnv env;
    TTable recipeTable{env};
    TTable ingredientTable{env};
    std::optional<TApollo> recipes;
    std::optional<TApollo> ingredients;
};

} // namespace

int SearchVerb::run(const QString& folder, const QString& slotArgument, QTextStream& out, QTextStream& err) {
    const int slot = slotNumber(slotArgument);
    if (slot == 0) {
        err << "veltadb: Die Nummer der gespeicherten Suche muss zwischen 1 und 10 liegen.\n";
        return 2;
    }
    if (!folderFound(folder, err))
        return 2;
    try {
        RecipeTables tables(folder);
        TApollo& recipes = *tables.recipes;
        TApollo& ingredients = *tables.ingredients;
        // The shared state as the program holds it after start-up.
        AppState state;
        const QDir dir(folder);
        const QString listsPath = dir.filePath(QStringLiteral("VE.DAT"));
        state.catalogue.readLists(listsPath);
        state.loadForBars(folder, ingredients);
        state.loadAliases();
        state.loadMarks();
        state.savedSearches = SavedSearches::load(state.savedSearchesPath());
        state.savedSearchTexts = SavedSearchTexts::load(state.savedSearchTextsPath());
        state.catalogue.setRecipeTotal(recipes.Count());
        // The stars and notes the search may ask for; a damaged file is said and left alone.
        if (const std::optional<Notice> damaged = state.myDrinks.loadFolder(folder, recipes, false))
            err << "veltadb: " << QString(damaged->text).replace(u'\r', u'\n') << '\n';
        // The decorations' names, which the full text searches too; a folder without their table has none.
        TTable decorationTable(tables.env);
        if (QFileInfo::exists(FolderLookup::find(folder, QStringLiteral("DE.DBF")))) {
            openTable(decorationTable, folder, "DE");
            TApollo decorations(decorationTable);
            state.catalogue.setDecorations(Catalogue::readDecorations(decorations));
        }

        SearchSession session(state);
        session.begin();
        session.loadSlot(slot - 1);
        // A criterion left out would find other drinks than the search the user saved.
        if (const QStringList unknown = session.unknownNames(slot - 1); !unknown.isEmpty()) {
            err << "veltadb: Die gespeicherte Suche nennt, was es hier nicht gibt: "
                << unknown.join(QStringLiteral(", ")) << ".\n";
            const bool namesAList = std::any_of(unknown.cbegin(), unknown.cend(), [](const QString& name) {
                return name.startsWith(QStringLiteral("Kategorie ")) ||
                       name.startsWith(QStringLiteral("Geschmacksrichtung "));
            });
            if (namesAList && !QFileInfo::exists(listsPath))
                err << "veltadb: " << listsPath
                    << " fehlt; ohne diese Datei gibt es keine Kategorien und Geschmacksrichtungen.\n";
            return 1;
        }
        if (const Result confirmed = session.confirm(); !confirmed) {
            err << "veltadb: " << confirmed.notice().text << '\n';
            return 1;
        }
        // As the dialog says it at OK: lines of the marks file that leave a mark out are no reason to
        // stop, but the user should know.
        if (const std::optional<Notice> marks = session.marksNotice(true))
            err << "veltadb: " << QString(marks->text).replace(u'\r', u'\n') << '\n';
        RecipeList list;
        RecipeListListing listing(
            list, recipes,
            state.barCoverage().test(state.settings.options().get(OptionsRecord::HomeBar),
                                     state.searchPurchases));
        listing.FillRecipeList(false); // the program starts with every drink listed
        const QString expression = session.expression();
        const SearchPass::Outcome outcome =
            SearchPass::run(recipes, listing, state.catalogue.recipeTotal(), expression,
                            session.form().homeBarOnly, session.recordTest(recipes));
        QList<int> numbers = outcome.found == 0 ? QList<int>() : list.recordNumbers();
        std::sort(numbers.begin(), numbers.end());
        out << "filter: " << expression << '\n';
        for (const int n : numbers)
            out << n << '\n';
        out << "count: " << numbers.size() << '\n';
        return 0;
    } catch (const StoreError& e) {
        err << "veltadb: " << e.text() << '\n';
        return 2;
    }
}

int SearchVerb::find(const QString& folder, const QString& text, QTextStream& out, QTextStream& err) {
    if (text.trimmed().isEmpty()) {
        err << "veltadb: Bitte geben Sie den Text an, nach dem gesucht wird.\n";
        return 2;
    }
    if (!folderFound(folder, err))
        return 2;
    TApolloEnv env;
    env.SetDeleted(true);
    TTable recipeTable(env);
    try {
        openTable(recipeTable, folder, "RE");
        TApollo recipes(recipeTable);
        RecipeList list; // the main window's list, in its order
        list.fill(recipes);
        const QList<TypeAhead::Found> found =
            TypeAhead::matches(list.entries(), text.left(RecipeList::kSearchFieldLength),
                               Aliases::ofFolder(folder).drinkNames());
        if (found.isEmpty()) {
            err << "veltadb: Kein Getränk passt zu „" << text << "“.\n";
            return 1;
        }
        for (const TypeAhead::Found& f : found) {
            const ListEntry& entry = list.entries().at(f.index);
            const char* how = f.match == TypeAhead::Match::Start       ? "anfang"
                              : f.match == TypeAhead::Match::OtherName ? "alias"
                              : f.match == TypeAhead::Match::Inside    ? "enthalten"
                                                                       : "tippfehler";
            out << entry.data << '\t' << entry.text << '\t' << how << '\n';
        }
        return 0;
    } catch (const StoreError& e) {
        err << "veltadb: " << e.text() << '\n';
        return 2;
    }
}

QStringList SearchVerb::aliasProblems(const QString& folder) {
    const QString path = FolderLookup::find(folder, AliasFile::fileName());
    if (!QFileInfo::exists(path))
        return {};
    QStringList lines;
    try {
        RecipeTables tables(folder);
        RecipeList list;
        list.fill(*tables.recipes);
        QStringList drinks;
        for (const ListEntry& e : list.entries())
            drinks << e.text;
        QStringList ingredients;
        for (const ListEntry& e : Catalogue::readIngredients(*tables.ingredients).zutatliste)
            ingredients << e.text;
        for (const AliasFile::Problem& p : AliasFile::load(path).check(drinks, ingredients))
            lines
                << QStringLiteral("%1, Zeile %2: %3").arg(QFileInfo(path).fileName()).arg(p.line).arg(p.text);
    } catch (const StoreError&) {
        // An unreadable table is the table check's to report.
    }
    return lines;
}

QStringList SearchVerb::markProblems(const QString& folder) {
    const QString path = FolderLookup::find(folder, IngredientMarks::fileName());
    if (!QFileInfo::exists(path))
        return {};
    QStringList lines;
    try {
        RecipeTables tables(folder);
        QStringList ingredients;
        for (const ListEntry& e : Catalogue::readIngredients(*tables.ingredients).zutatliste)
            ingredients << e.text;
        for (const IngredientMarks::Problem& p : IngredientMarks::load(path).check(ingredients))
            lines
                << QStringLiteral("%1, Zeile %2: %3").arg(QFileInfo(path).fileName()).arg(p.line).arg(p.text);
    } catch (const StoreError&) {
        // An unreadable table is the table check's to report.
    }
    return lines;
}

int SearchVerb::similar(const QString& folder, const QString& recNoText, QTextStream& out, QTextStream& err) {
    if (!folderFound(folder, err))
        return 2;
    try {
        RecipeTables tables(folder);
        TApollo& recipes = *tables.recipes;
        TApollo& ingredients = *tables.ingredients;
        bool ok = false;
        const int recNo = recNoText.toInt(&ok);
        if (ok && recNo >= 1 && recNo <= recipes.RecCount())
            recipes.Go(recNo);
        if (!ok || recNo < 1 || recNo > recipes.RecCount() || recipes.IsDeleted()) {
            err << "veltadb: Es gibt kein Getränk mit der Satznummer " << recNoText << ".\n";
            return 2;
        }
        // The basics of the folder's home bar settings do not count, as in the program.
        AppState state;
        state.loadForBars(folder, ingredients);
        const QList<SimilarDrinks::Found> found =
            SimilarDrinks::closest(recipes, ingredients, recNo, state.settings.bar().basics);
        if (found.isEmpty()) {
            err << "veltadb: Kein anderes Getränk hat Zutaten mit Satz " << recNo << " gemeinsam.\n";
            return 1;
        }
        for (const SimilarDrinks::Found& f : found)
            out << f.score << '\t' << f.recNo << '\t' << f.name << '\n';
        return 0;
    } catch (const StoreError& e) {
        err << "veltadb: " << e.text() << '\n';
        return 2;
    }
}
