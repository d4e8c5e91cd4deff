#pragma once

#include "browser/DisplayLine.h"

#include <QList>

// The loaded recipe as the view shows it: the display lines (at most 100) and the per-load values.
struct RecipeDisplay {
    static constexpr int kMaxLines = 100;
    static constexpr char16_t kFactMark = 0x8D;
    static constexpr int kTitleLength = 30;

    static bool isFactLine(const QString& text) {
        return !text.isEmpty() && text.front().unicode() == kFactMark;
    }

    int recNo = 0;
    QString name; // `NAME` trimmed; the title shows its first 30 characters
    bool marked = false;
    QString photoName; // `EIGEN` when set, else `BILD`
    bool collectionPhoto = false;
    int decoration = 0; // `DEKO`
    QString categoryName;

    QList<DisplayLine> lines;
    QList<int> lineIngredient;   // ingredient number of each ingredient line, -1 above them
    int firstIngredientLine = 0; // after the drink's other names ("auch: …") and an empty line
    int lastIngredientLine = -1;
    int alcoholLine = -1;
    int glassLine = -1; // the estimate in the glass; -1 for a drink without alcohol
    int costLine = -1;  // what a glass costs; -1 when no ingredient has a price
    int categoryLine = -1;
    int decorationLine = -1;
    int amountLine = -1;
    int mixedLine = -1; // "zuletzt gemixt am …"; -1 for a drink never mixed
    int firstTextLine = 0;
    int lastLine = -1;
    int topLine = 0;
    int lastShownLine = -1;
    int recipeAmount = 0; // sum of the cl amounts
    QString instructionText;
    // The user's own records (MEINE.TXT): the stars of the title bar and the note, wrapped under the
    // remark from `firstNoteLine` on (-1 without a note).
    int stars = 0;
    QString note;
    int firstNoteLine = -1;

    bool isNoteLine(int line) const { return firstNoteLine >= 0 && line >= firstNoteLine; }

    QString title() const { return name.left(kTitleLength); }
    bool isIngredientLine(int line) const {
        return line >= firstIngredientLine && line <= lastIngredientLine;
    }

    // Scrolling is possible while lines follow below the visible part or the first is hidden.
    bool canScroll() const { return lastShownLine < lastLine || topLine > 0; }
    // One line per tick of the scroll timer; false when there was nothing to move.
    bool scrollDown();
    bool scrollUp();
};
