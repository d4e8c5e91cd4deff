#include "VeltaTest.h"
#include "browser/MissingIngredients.h"
#include "browser/RecipeDisplay.h"
#include "common/AppState.h"

using namespace Qt::StringLiterals;

namespace {

// A display with ingredient lines ("amount unit  name" behind the fact mark) and their numbers,
// followed by a fact line that is not an ingredient.
RecipeDisplay displayOf(const QList<std::pair<QString, int>>& ingredients) {
    RecipeDisplay d;
    for (const auto& [text, number] : ingredients) {
        d.lines.append(DisplayLine{QChar(RecipeDisplay::kFactMark) + text});
        d.lineIngredient.append(number);
    }
    d.lastIngredientLine = int(d.lines.size()) - 1;
    d.lines.append(DisplayLine{QChar(RecipeDisplay::kFactMark) + u"Kategorie: Longdrinks"_s});
    d.lastLine = int(d.lines.size()) - 1;
    return d;
}

const QList<std::pair<QString, int>> kRecipe = {
    {u"4 cl  Weißer Rum"_s, 26}, {u"2 cl  Limettensaft"_s, 5}, {u"Minze"_s, 3}, {u"Crushed Ice"_s, 2}};

} // namespace

class TestMissingIngredients : public QObject {
    Q_OBJECT

private slots:
    // Which lines are marked for the bar of the options, under the settings in use.
    void marked_data() {
        QTest::addColumn<QList<int>>("bar");
        QTest::addColumn<int>("optionBar");
        QTest::addColumn<bool>("substitutes");
        QTest::addColumn<bool>("basics");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("plain bar") << QList<int>{26, 3} << 1 << false << false << QList<int>{1, 3};
        QTest::newRow("everything there") << QList<int>{26, 5, 3, 2} << 1 << false << false << QList<int>{};
        QTest::newRow("another bar chosen") << QList<int>{26, 3} << 2 << false << false << QList<int>{};
        QTest::newRow("empty bar marks nothing") << QList<int>{} << 1 << true << true << QList<int>{};
        QTest::newRow("lemon stands in") << QList<int>{26, 3, 4} << 1 << true << false << QList<int>{3};
        QTest::newRow("lemon, switch off") << QList<int>{26, 3, 4} << 1 << false << false << QList<int>{1, 3};
        QTest::newRow("ice is a basic") << QList<int>{26, 3, 4} << 1 << true << true << QList<int>{};
    }
    void marked() {
        QFETCH(QList<int>, bar);
        QFETCH(int, optionBar);
        QFETCH(bool, substitutes);
        QFETCH(bool, basics);
        QFETCH(QList<int>, lines);
        AppState state;
        state.catalogue.changeIngredients([&](IngredientChoices& c) {
            c.zutatliste = {{u"Limettensaft"_s, 5}, {u"Zitronensaft"_s, 4}};
        });
        state.settings.useSubstitutes(SubstituteFile::parse(u"Limettensaft <- Zitronensaft"_s),
                                      state.catalogue.ingredients().zutatliste);
        for (const int n : bar)
            state.catalogue.changeIngredients([&](IngredientChoices& c) { c.homeBars.set(1, n, true); });
        state.settings.changeOptions().set(OptionsRecord::HomeBar, optionBar);
        state.settings.changeBar().allowSubstitutes = substitutes;
        state.settings.changeBar().alwaysAtHome = basics;
        state.settings.changeBar().basics = {1, 2};
        QCOMPARE(MissingIngredients::lines(displayOf(kRecipe), state), lines);
    }

    // An ingredient the table no longer has is missing too; the clipboard carries the lines as shown.
    void clipboardText() {
        const RecipeDisplay d = displayOf(kRecipe + QList<std::pair<QString, int>>{{u"???"_s, 1600}});
        IngredientSet present;
        present.set(26);
        present.set(3);
        const QList<int> lines = MissingIngredients::lines(d, present);
        QCOMPARE(lines, (QList<int>{1, 3, 4}));
        QCOMPARE(MissingIngredients::clipboardText(d, lines), u"2 cl  Limettensaft\r\nCrushed Ice\r\n???"_s);
        QCOMPARE(MissingIngredients::clipboardText(d, {}), QString());
    }
};

VELTA_TEST_MAIN_CORE(TestMissingIngredients)
#include "tst_missingingredients.moc"
