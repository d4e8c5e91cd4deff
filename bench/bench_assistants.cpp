// Bar assistant benchmarks on the 5000-recipe synthetic data set: the shopping assistant's analysis and
// its ten-step purchase plan, and the cocktail assistant's filter with the list fill.
#include "BenchHarness.h"
#include "SyntheticDataSet.h"
#include "assistants/CocktailSession.h"
#include "assistants/NearMissSession.h"
#include "assistants/PurchasePlan.h"
#include "assistants/ShoppingSession.h"
#include "browser/RecipeList.h"
#include "calc/PartySession.h"
#include "common/AppState.h"
#include "common/Catalogue.h"
#include "common/HomeBarTable.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    SyntheticDataSet::write(dir.path());
    TApolloEnv env;
    env.SetDeleted(true);
    TTable reTable(env), zuTable(env);
    for (auto [table, name] : {std::pair{&reTable, "RE"}, std::pair{&zuTable, "ZU"}}) {
        table->setDatabaseName(dir.path());
        table->setTableName(QString::fromLatin1(name));
        table->Open();
    }
    TApollo re(reTable), zu(zuTable);
    zu.IndexTag(QString(), QStringLiteral("INDEX"), QStringLiteral("INDEX"));
    AppState state;
    state.catalogue.changeIngredients([&](IngredientChoices& c) { c.homeBars.fill(zu); });
    const HomeBarTable& bars = state.catalogue.ingredients().homeBars;
    out << "Synthetische Daten: " << SyntheticDataSet::kRecipes << " Rezepte, "
        << SyntheticDataSet::kIngredients << " Zutaten; Hausbar 1 mit " << bars.count(1) << " Zutaten\n\n";

    ShoppingSession shopping(state, {re, zu});
    shopping.setBar(1);
    int steps = 0;
    const auto analysis =
        BenchHarness::run(QStringLiteral("Einkaufsassistent: Analyse mit Fortschritt"), [&] {
            steps = 0;
            shopping.analyse([&] { ++steps; });
        });

    // The plan as the assistant's page makes it: the recipe table read once, ten purchases planned, the
    // names of what to buy looked up; and planning alone, as a new count does it.
    shopping.plan().setPurchases(PurchasePlan::kMaxPurchases);
    const auto plan = BenchHarness::run(QStringLiteral("Einkaufsplan: zehn Einkäufe, mit Lesen der Rezepte"),
                                        [&] { shopping.makePlan(); });
    PurchasePlan planOnly;
    planOnly.read(re);
    const IngredientSet atHand = bars.present(1);
    size_t planSteps = 0;
    const auto replan = BenchHarness::run(QStringLiteral("Einkaufsplan: zehn Einkäufe, nur Planen"), [&] {
        planSteps = planOnly.plan(atHand, PurchasePlan::kMaxPurchases).size();
    });

    // "Fast mixbar" as its window reads it: every recipe, grouped, with the window's rows.
    state.catalogue.setIngredients(Catalogue::readIngredients(zu));
    NearMissSession near(state, re);
    near.begin(1);
    const auto nearOne = BenchHarness::run(QStringLiteral("Fast mixbar: eine Zutat fehlt"), [&] {
        near.begin(1);
        (void)near.rows();
    });
    const qsizetype oneShort = near.rows().size() - near.groups().size();
    near.setTwoMissing(true);
    const auto nearTwo = BenchHarness::run(QStringLiteral("Fast mixbar: eine oder zwei Zutaten fehlen"), [&] {
        near.begin(1);
        (void)near.rows();
    });
    const qsizetype twoShort = near.rows().size() - near.groups().size();

    // The party planner's proposal for twenty drinks, fifty guests and five hours, with its list.
    PartySession party(state, re, zu);
    for (int recNo = 1; recNo <= 20; ++recNo)
        party.add(recNo * 97 % re.RecCount() + 1, recNo);
    party.setParty(50, 5);
    qsizetype partyLines = 0;
    const auto proposal =
        BenchHarness::run(QStringLiteral("Partyplaner: Vorschlag und Liste, 20 Drinks"), [&] {
            party.propose();
            partyLines = party.listText().size();
        });

    CocktailSession assistant(re);
    assistant.setAnswer(0, 3);
    assistant.setAnswer(1, 3);
    assistant.setAnswer(2, 2);
    RecipeList list;
    const auto filter = BenchHarness::run(QStringLiteral("Cocktailassistent: Filter und Listenfüllung"),
                                          [&] { assistant.start([&] { list.fill(re); }); });

    out << "Einkaufsassistent (" << steps << " Rezepte; "
        << shopping.resultLines().join(QStringLiteral(" | ")) << ")\n";
    BenchHarness::print(out, analysis, 5);
    out << "\nEinkaufsplan (" << planSteps << " Schritte; "
        << shopping.plan().lines().join(QStringLiteral(" | ")) << ")\n";
    BenchHarness::print(out, plan, 50);
    BenchHarness::print(out, replan, 50);
    out << "\nFast mixbar (" << oneShort << " Drinks mit einer, " << twoShort
        << " mit bis zu zwei fehlenden Zutaten)\n";
    BenchHarness::print(out, nearOne, 10);
    BenchHarness::print(out, nearTwo, 10);
    out << "\nPartyplaner (" << partyLines << " Zeilen)\n";
    BenchHarness::print(out, proposal, 5);
    out << "\nCocktailassistent (" << assistant.filterExpression() << ": " << list.ListedCount()
        << " Drinks)\n";
    BenchHarness::print(out, filter, 10);
    return 0;
}
