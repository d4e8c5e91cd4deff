// Recipe browser benchmarks on the 5000-recipe synthetic data set: the list fill with and without
// the home bar test, loading and wrapping a recipe, arranging it for drawing, the choice lists.
#include "BenchHarness.h"
#include "SyntheticDataSet.h"
#include "browser/InstructionWrapper.h"
#include "browser/LexiconLinks.h"
#include "browser/LexiconTerms.h"
#include "browser/RecipeList.h"
#include "browser/RecipeLoader.h"
#include "browser/RecipeTextLayout.h"
#include "browser/SimilarDrinks.h"
#include "browser/TextMeasurer.h"
#include "common/BarCoverage.h"
#include "common/Catalogue.h"
#include "common/HomeBarTable.h"
#include "common/RecipeBook.h"
#include "common/RecipeCost.h"
#include "common/TurboRead.h"
#include "editors/ChoiceLists.h"
#include "store/ListsFile.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"
#include "ui/EntryList.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

namespace {

// The recipe view measures with the recipe font: Arial 14 points by default.
class FontMeasurer : public TextMeasurer {
public:
    explicit FontMeasurer(const QFont& font) : m_metrics(font) {}
    int width(const QString& text) const override { return m_metrics.horizontalAdvance(text); }
    int height() const override { return m_metrics.boundingRect(QLatin1Char('A')).height(); }

private:
    QFontMetrics m_metrics;
};

struct Tables {
    TApolloEnv env;
    std::vector<std::unique_ptr<TTable>> tables;
    std::vector<std::unique_ptr<TApollo>> apollos;
    explicit Tables(const QString& folder) {
        env.SetDeleted(true);
        for (const char* name : {"RE", "ZU", "DE", "BA"}) {
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
    TApollo& ba() { return *apollos[3]; }
};

QStringList lexiconTerms(TApollo& ba) {
    QList<ListEntry> terms;
    for (ba.GoTop(); !ba.Eof(); ba.Skip())
        terms.append({ba.GetTrimString(QStringLiteral("NAME")), ba.RecNo()});
    QStringList names;
    for (const ListEntry& e : terms)
        names.append(e.text);
    return names;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    SyntheticDataSet::write(dir.path());
    Tables t(dir.path());
    QStringList categories;
    QStringList tastes;
    ListsFile::load(QDir(dir.path()).filePath(QStringLiteral("VE.DAT")), &categories, &tastes);
    HomeBarTable bars;
    bars.fill(t.zu());
    const FontMeasurer measurer(QFont(QStringLiteral("Arial"), 14));
    const int areaWidth = 800 - 257 - 39; // text area of an 800 × 600 main window
    out << "Synthetische Daten: " << SyntheticDataSet::kRecipes << " Rezepte, "
        << SyntheticDataSet::kIngredients << " Zutaten; Schrift "
        << QFontInfo(QFont(QStringLiteral("Arial"), 14)).family() << " 14 pt\n\n";

    RecipeList list;
    const auto fill =
        BenchHarness::run(QStringLiteral("FillRecipeList, alle Rezepte"), [&] { list.fill(t.re()); });
    // What the user waits for: the list and the list box showing it. The order of all names is kept
    // until the table changes; the first fill after a change sorts them again.
    EntryList box;
    const auto fillBox = BenchHarness::run(QStringLiteral("Rezeptliste mit Listenfeld"), [&] {
        list.fill(t.re());
        box.setEntries(list.entries());
    });
    const auto fillCold = BenchHarness::run(QStringLiteral("… erste Füllung nach einer Änderung"), [&] {
        RecipeList fresh;
        fresh.fill(t.re());
        box.setEntries(fresh.entries());
    });
    const int all = list.ListedCount();
    // The set at hand is taken once per fill, as the main list does; with both switches off it is the bar.
    Substitutes substitutes;
    for (int n = 1; n < SyntheticDataSet::kIngredients; n += 2) {
        substitutes.add(n, n + 1);
        substitutes.add(n + 1, n);
    }
    const BarSettings plain;
    BarSettings covered;
    covered.allowSubstitutes = true;
    covered.alwaysAtHome = true;
    const auto fillWith = [&](const BarSettings& settings) {
        list.fill(t.re(), [test = BarCoverage(bars, substitutes, settings).test(1, 2)](
                              const QList<int>& numbers) { return test.keeps(numbers); });
    };
    const auto fillBar = BenchHarness::run(QStringLiteral("FillRecipeList mit Hausbar-Test (2 Zukäufe)"),
                                           [&] { fillWith(plain); });
    const int mixable = list.ListedCount();
    const auto fillCovered = BenchHarness::run(
        QStringLiteral("… mit Ersatz- (%1 Paare) und Grundzutaten").arg(SyntheticDataSet::kIngredients),
        [&] { fillWith(covered); });
    const int mixableCovered = list.ListedCount();

    int recNo = 0;
    RecipeDisplay display;
    const auto load = BenchHarness::run(QStringLiteral("LoadRecipe + WrapInstructions (QFontMetrics)"), [&] {
        recNo = recNo % SyntheticDataSet::kRecipes + 1;
        t.re().Go(recNo);
        display = RecipeLoader::LoadRecipe({t.re(), t.zu(), t.de(), categories, tastes});
        InstructionWrapper::WrapInstructions(display, measurer, areaWidth, true);
    });
    const LexiconTerms terms(lexiconTerms(t.ba()));
    LexiconLinks links;
    const auto arrange = BenchHarness::run(QStringLiteral("Zeichnen vorbereiten, Lexikon markiert"), [&] {
        RecipeTextLayout::arrange(display, measurer, {areaWidth, 600 - 52 - 72 - 39}, {true, true}, &terms,
                                  links);
    });
    const auto choices = BenchHarness::run(QStringLiteral("Auswahllisten der Zutaten (1500)"),
                                           [&] { Catalogue::readIngredients(t.zu()); });
    // "Ähnliche Drinks" reads every recipe with its ingredients: it answers a menu click.
    int similarFound = 0;
    const auto similar = BenchHarness::run(QStringLiteral("Ähnliche Drinks (alle Rezepte gelesen)"), [&] {
        similarFound = int(SimilarDrinks::closest(t.re(), t.zu(), 1, BarSettings::defaultBasics()).size());
    });

    // What a glass of every drink costs, as `veltadb kosten` lists them: each recipe read with its
    // ingredients' prices.
    int priced = 0;
    const auto costs = BenchHarness::run(QStringLiteral("Kosten aller Drinks"), [&] {
        const RecipeCost::PriceTable prices = RecipeCost::readPrices(t.zu());
        priced = 0;
        TurboRead fast(t.re());
        for (t.re().GoTop(); !t.re().Eof(); t.re().Skip())
            priced +=
                RecipeCost::ofPacked(RecipeBook::packedLines(t.re()), prices, 12).missing.isEmpty() ? 1 : 0;
    });

    out << "Rezeptliste (" << all << " Einträge, " << mixable << " mischbar)\n";
    BenchHarness::print(out, fill, 15);
    BenchHarness::print(out, fillBox, 2);
    BenchHarness::print(out, fillCold, 15);
    BenchHarness::print(out, fillBar, 15);
    BenchHarness::print(out, fillCovered, 2 * fillBar.medianMs);
    out << "  mischbar mit Ersatz- und Grundzutaten: " << mixableCovered << ", Faktor "
        << QString::number(fillCovered.medianMs / fillBar.medianMs, 'f', 2) << " (Ziel höchstens 2)\n";
    out << "\nRezeptansicht\n";
    BenchHarness::print(out, load, 5);
    BenchHarness::print(out, arrange);
    out << "\nAuswahllisten\n";
    BenchHarness::print(out, choices);
    out << "\nÄhnliche Drinks (" << similarFound << " gezeigt)\n";
    BenchHarness::print(out, similar, 250);
    out << "\nKosten (" << priced << " Drinks mit allen Preisen)\n";
    BenchHarness::print(out, costs, 5);
    return 0;
}
