#include "browser/RecipeDisplay.h"

bool RecipeDisplay::scrollDown() {
    if (lastShownLine >= lastLine)
        return false;
    ++topLine;
    return true;
}

bool RecipeDisplay::scrollUp() {
    if (topLine <= 0)
        return false;
    --topLine;
    return true;
}
