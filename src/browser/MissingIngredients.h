#pragma once

#include "common/IngredientSet.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

struct AppState;
struct RecipeDisplay;

// "Was fehlt": the ingredient lines of the shown recipe that the chosen home bar does not cover.
class MissingIngredients {
public:
    static QString menuText() { return QStringLiteral("Fehlende Zutaten kopieren"); }

    // What counts as at hand for the home bar of the options, under the bar settings in use; nothing
    // when that bar holds no ingredient (a bar never filled would mark every line).
    static std::optional<IngredientSet> coverage(const AppState& state);
    // The ingredient lines whose ingredient is not in `present`, in display order.
    static QList<int> lines(const RecipeDisplay& display, const IngredientSet& present);
    // Both together for the shown recipe; empty when nothing is to be marked.
    static QList<int> lines(const RecipeDisplay& display, const AppState& state);
    // With "Ersatzzutaten zulassen": per ingredient line whose ingredient the bar has only through a
    // substitute, "(Zitronensaft statt Limettensaft)". Shown beside the line, never stored or copied.
    static QHash<int, QString> standIns(const RecipeDisplay& display, const AppState& state);
    // The lines as the recipe shows them (amount, unit, name), one per line, CR LF between.
    static QString clipboardText(const RecipeDisplay& display, const QList<int>& lines);
};
