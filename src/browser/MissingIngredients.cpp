#include "browser/MissingIngredients.h"

#include "browser/RecipeDisplay.h"
#include "browser/RecipeTextLayout.h"
#include "common/AppState.h"

std::optional<IngredientSet> MissingIngredients::coverage(const AppState& state) {
    const int bar = int(state.settings.options().get(OptionsRecord::HomeBar));
    if (state.catalogue.ingredients().homeBars.count(bar) == 0)
        return std::nullopt;
    return state.barCoverage().present(bar);
}

QList<int> MissingIngredients::lines(const RecipeDisplay& d, const IngredientSet& present) {
    QList<int> missing;
    for (int line = d.firstIngredientLine; line <= d.lastIngredientLine && line < d.lineIngredient.size();
         ++line) {
        const int number = d.lineIngredient.at(line);
        if (number < 0 || number >= int(present.size()) || !present.test(size_t(number)))
            missing.append(line);
    }
    return missing;
}

QList<int> MissingIngredients::lines(const RecipeDisplay& d, const AppState& state) {
    const std::optional<IngredientSet> present = coverage(state);
    return present ? lines(d, *present) : QList<int>();
}

QHash<int, QString> MissingIngredients::standIns(const RecipeDisplay& d, const AppState& state) {
    QHash<int, QString> out;
    const int bar = int(state.settings.options().get(OptionsRecord::HomeBar));
    if (!state.settings.bar().allowSubstitutes || state.catalogue.ingredients().homeBars.count(bar) == 0)
        return out;
    const BarCoverage coverage = state.barCoverage();
    const auto nameOf = [&](int number) {
        for (const ListEntry& e : state.catalogue.ingredients().zutatliste)
            if (e.data == number)
                return e.text;
        return QString();
    };
    for (int line = 0; line <= d.lastIngredientLine && line < d.lineIngredient.size(); ++line) {
        const int wanted = d.lineIngredient.at(line);
        if (const int standIn = coverage.standIn(bar, wanted))
            out.insert(line, QStringLiteral("(%1 statt %2)").arg(nameOf(standIn), nameOf(wanted)));
    }
    return out;
}

QString MissingIngredients::clipboardText(const RecipeDisplay& d, const QList<int>& lines) {
    QStringList texts;
    for (const int line : lines)
        if (line >= 0 && line < d.lines.size())
            texts << RecipeTextLayout::factText(d.lines.at(line).text).trimmed();
    return texts.join(QStringLiteral("\r\n"));
}
