#pragma once

#include <QString>

struct RecipeDisplay;

// The clipboard commands of the recipe view: the recipe as text, and the confirmations.
class RecipeClipboard {
public:
    // The name (at most 30 characters) and two line breaks, every line from the ingredients to the
    // instructions that is longer than 3 characters without its first character, then
    // `InstructionText`; the user's note only when asked for.
    static QString recipeText(const RecipeDisplay& display, bool withNote = false);
    static QString textCopied() {
        return QStringLiteral("Der Rezepttext wurde in die Zwischenablage kopiert.");
    }
    static QString photoCopied() { return QStringLiteral("Das Foto wurde in die Zwischenablage kopiert."); }
};
