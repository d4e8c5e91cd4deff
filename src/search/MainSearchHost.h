#pragma once

#include <QString>

// The main window's side of starting and clearing a search: the modal dialog, painting, the
// messages, the sounds, the clear command's enabling and the recipe shown. The list of drinks is
// the `RecipeListing` the search fills.
class MainSearchHost {
public:
    virtual ~MainSearchHost() = default;
    // Shows the search dialog modally; true when it was closed with OK.
    virtual bool runSearchDialog() = 0;
    // Redraws the area the dialog covered before the search runs.
    virtual void finishPainting() = 0;
    // With `DebugInfo`: the expression in a plain message box before it is applied.
    virtual void showExpression(const QString& expression) = 0;
    // A noise (sound kind 0) by its number.
    virtual void playNoise(int number) = 0;
    // The no-match message; the quick-search field is emptied.
    virtual void reportNoMatch() = 0;
    // "Suchkriterien &aufheben" and toolbar button 4 of both sets.
    virtual void setClearSearchEnabled(bool enabled) = 0;
    virtual void setWaitCursor(bool on) = 0;
    // Selects the first drink and shows its recipe.
    virtual void showFirst() = 0;
};
