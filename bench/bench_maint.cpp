// Data maintenance benchmarks on the 5000-recipe synthetic data set: saving a recipe from the
// recipe editor (OK checks, WriteRecipe, the lists kept in step), deleting one from the recipe list
// editor, counting an ingredient's recipes and recomputing every recipe's alcohol.
#include "BenchHarness.h"
#include "SyntheticDataSet.h"
#include "browser/RecipeList.h"
#include "common/Catalogue.h"
#include "common/IngredientLookup.h"
#include "editors/AlcoholRecompute.h"
#include "editors/ChoiceLists.h"
#include "editors/RecipeEditSession.h"
#include "editors/RecipeListSession.h"
#include "editors/RecipeUsage.h"
#include "store/ListsFile.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct Tables {
    TApolloEnv env;
    std::vector<std::unique_ptr<TTable>> tables;
    std::vector<std::unique_ptr<TApollo>> apollos;
    explicit Tables(const QString& folder) {
        env.SetDeleted(true);
        for (const char* name : {"RE", "ZU", "DE"}) {
            auto table = std::make_unique<TTable>(env);
            table->setDatabaseName(folder);
            table->setTableName(QString::fromLatin1(name));
            table->Open();
            apollos.push_back(std::make_unique<TApollo>(*table));
            tables.push_back(std::move(table));
        }
        zu().IndexTag(QString(), QStringLiteral("INDEX"), QStringLiteral("INDEX"));
    }
    TApollo& re() { return *apollos[0]; }
    TApollo& zu() { return *apollos[1]; }
    TApollo& de() { return *apollos[2]; }
};

// A recipe of eight lines in the session, as the user would have entered it.
void enterRecipe(RecipeEditSession& s, const QString& name) {
    s.prepareNew();
    s.begin();
    s.form().name = name;
    s.form().category = 1;
    s.form().instructions = QStringLiteral("Alles auf Eis im Shaker kräftig schütteln und abseihen.");
    for (int i = 0; i < 8; ++i) {
        s.selectIngredient(i * 150);
        s.amountTyped(QStringLiteral("4"), 0);
        s.addLine();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    // An optional folder to work in: on a memory file system the figures leave out the disk's
    // forcing of each save.
    QTemporaryDir dir(argc > 1
                          ? QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("bench-XXXXXX"))
                          : QDir::tempPath() + QStringLiteral("/bench-XXXXXX"));
    SyntheticDataSet::write(dir.path());
    Tables t(dir.path());
    QStringList categories;
    QStringList tastes;
    ListsFile::load(QDir(dir.path()).filePath(QStringLiteral("VE.DAT")), &categories, &tastes);
    RecipeEditSession session({t.re(), t.zu(), 12, dir.path() + QStringLiteral("/EIGENE/"), false});
    session.setIngredients(Catalogue::readIngredients(t.zu()).zutatliste);
    session.setCategories(ChoiceLists::categoryChoices(categories, ChoiceLists::noAssignment()));
    session.setTastes(ChoiceLists::tasteChoices(tastes, ChoiceLists::noAssignment()));
    session.setDecorations(ChoiceLists::decorationChoices(Catalogue::readDecorations(t.de())));
    RecipeList mainList;
    mainList.fill(t.re());
    RecipeListSession editorList(t.re());
    editorList.build();
    out << "Synthetische Daten: " << t.re().Count() << " Rezepte, " << SyntheticDataSet::kIngredients
        << " Zutaten, in " << dir.path() << "\n\n";

    int n = 0;
    const auto checks =
        BenchHarness::run(QStringLiteral("OK-Prüfungen (Namensvergleich über alle Rezepte)"), [&] {
            enterRecipe(session, QStringLiteral("Neuer Drink %1").arg(++n));
            session.check();
        });
    const auto saveNew =
        BenchHarness::run(QStringLiteral("Neues Rezept: Prüfungen, WriteRecipe, RecipeSaved"), [&] {
            const QString name = QStringLiteral("Neuer Drink %1").arg(++n);
            enterRecipe(session, name);
            if (!session.check().accepted)
                qFatal("refused");
            const int recNo = session.WriteRecipe();
            mainList.RecipeSaved(true, -1, name, recNo);
            editorList.recipeSaved(true, QString(), name, recNo);
        });
    const int edited = mainList.entries().at(100).data;
    const auto saveEdit =
        BenchHarness::run(QStringLiteral("Rezept umbenennen: Prüfungen, WriteRecipe, RecipeSaved"), [&] {
            const QString old = session.form().name;
            session.prepareEdit(old, edited);
            session.form().name = QStringLiteral("Umbenannt %1").arg(++n);
            if (!session.check().accepted)
                qFatal("refused");
            session.WriteRecipe();
            mainList.RecipeSaved(false, mainList.indexOfRecord(edited), session.form().name, edited);
            editorList.recipeSaved(false, old, session.form().name, edited);
        });
    // Deleting uses the table up: a fixed number of deletions, each timed.
    std::vector<double> times;
    for (int run = 0; run < 500; ++run) {
        const int index = int(editorList.entries().size()) / 2;
        const int recNo = editorList.entries().at(index).data;
        QElapsedTimer timer;
        timer.start();
        editorList.deleteRecipe(index);
        mainList.removeAt(mainList.indexOfRecord(recNo));
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    const BenchHarness::Result remove{QStringLiteral("Rezept löschen (Rezeptliste)"), times[times.size() / 2],
                                      times.front(), int(times.size())};

    int number = 0;
    const auto usage = BenchHarness::run(QStringLiteral("Verwendung einer Zutat zählen"), [&] {
        number = number % SyntheticDataSet::kIngredients + 1;
        RecipeUsage::ingredient(t.re(), number);
    });
    int alcohol = 0;
    const auto recompute =
        BenchHarness::run(QStringLiteral("Alkoholgehalt aller Rezepte neu (Zutat 1 geändert)"), [&] {
            IngredientLookup::seek(t.zu(), 1);
            t.zu().Edit();
            t.zu().ReplaceInteger(QStringLiteral("ALKOHOL"), 30 + (++alcohol % 20));
            t.zu().ReplaceInteger(QStringLiteral("KENNUNG"), 0);
            t.zu().Commit();
            AlcoholRecompute::run(t.re(), t.zu(), 12);
        });

    out << "Rezept-Editor und Rezeptliste\n";
    BenchHarness::print(out, checks);
    BenchHarness::print(out, saveNew, 5);
    BenchHarness::print(out, saveEdit, 5);
    BenchHarness::print(out, remove, 5);
    out << "\nZutatenliste (" << t.re().Count() << " Rezepte)\n";
    BenchHarness::print(out, usage, 5);
    BenchHarness::print(out, recompute, 100);
    return 0;
}
