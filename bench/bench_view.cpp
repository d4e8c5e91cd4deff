// One full DrawText of the recipe view at 800 × 600, with and without the background picture.
#include "BenchHarness.h"
#include "SyntheticDataSet.h"
#include "browser/InstructionWrapper.h"
#include "browser/LexiconTerms.h"
#include "browser/RecipeDisplay.h"
#include "browser/RecipeList.h"
#include "browser/RecipeLoader.h"
#include "browser/gui/RecipeView.h"
#include "common/AppState.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"
#include "ui/EntryList.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    SyntheticDataSet::write(dir.path());
    QImage tile(160, 160, QImage::Format_RGB888);
    tile.fill(QColor(240, 235, 220));
    tile.save(QDir(dir.path()).filePath(QStringLiteral("K1_H.BMP")));

    AppState state;
    state.folders.dataFolder = dir.path() + QLatin1Char('/');
    state.run.mainShown = true;
    state.catalogue.readLists(state.listsPath());
    TApolloEnv env;
    env.SetDeleted(true);
    std::unique_ptr<TTable> tables[4];
    std::unique_ptr<TApollo> t[4];
    const char* names[] = {"RE", "ZU", "DE", "BA"};
    for (int i = 0; i < 4; ++i) {
        tables[i] = std::make_unique<TTable>(env);
        tables[i]->setDatabaseName(dir.path());
        tables[i]->setTableName(QString::fromLatin1(names[i]));
        tables[i]->Open();
        t[i] = std::make_unique<TApollo>(*tables[i]);
    }
    t[1]->IndexTag(QString(), QStringLiteral("INDEX"), QStringLiteral("INDEX"));
    QStringList termNames;
    for (t[3]->GoTop(); !t[3]->Eof(); t[3]->Skip())
        termNames << t[3]->GetTrimString(QStringLiteral("NAME"));
    const LexiconTerms terms(termNames);

    RecipeView view(state);
    view.resize(800 - 257 - 39, 600 - 20 - 52 - 72 - 39);
    view.ApplyTextFont();
    view.LoadBackground();
    view.setTerms(&terms);
    t[0]->Go(1234);
    RecipeDisplay display = RecipeLoader::LoadRecipe(
        {*t[0], *t[1], *t[2], state.catalogue.categories(), state.catalogue.tastes()});
    InstructionWrapper::WrapInstructions(display, view.measurer(), view.width(), true);
    view.setDisplay(&display);

    const auto plain = BenchHarness::run(QStringLiteral("DrawText 800 × 600, ohne Hintergrundbild"), [&] {
        state.settings.changeOptions().set(OptionsRecord::BackgroundGraphic, 0);
        view.relayout();
        view.render();
    });
    const auto picture =
        BenchHarness::run(QStringLiteral("DrawText 800 × 600, Hintergrundbild + Lexikon"), [&] {
            state.settings.changeOptions().set(OptionsRecord::BackgroundGraphic, 1);
            state.settings.changeOptions().set(OptionsRecord::LexiconMarked, 1);
            view.relayout();
            view.render();
        });
    // The list box part of FillRecipeList: the window shows what the list logic read.
    RecipeList list;
    EntryList box;
    box.resize(150, 300);
    box.show();
    const auto fill = BenchHarness::run(QStringLiteral("FillRecipeList mit Listenfeld (5000 Einträge)"), [&] {
        list.fill(*t[0]);
        box.setEntries(list.entries());
        box.setCurrentRow(0);
        QCoreApplication::processEvents(); // the list lays out and paints what it shows
    });
    BenchHarness::print(out, fill, 5);
    out << "Rezeptansicht (" << display.lastLine + 1 << " Zeilen, Schrift " << view.font().family() << ")\n";
    BenchHarness::print(out, plain, 5);
    BenchHarness::print(out, picture, 5);
    return 0;
}
