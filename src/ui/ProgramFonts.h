#pragma once

#include <QFont>
#include <QString>

// The Windows fonts the program draws with: "MS Sans Serif" and "Wingdings" come from Debian's
// fonts-wine, outside fontconfig's path, and are registered with the application at start.
class ProgramFonts {
public:
    static void registerFonts();
    // Makes the program's 90s face the one of menus, menu bar and dialogs (needs the QApplication).
    static void applyUiFont();
    // "MS Sans Serif" at 8 points, falling back to a metric-compatible sans where it is missing; on a
    // scaled screen (device pixel ratio above 1) the outline "Liberation Sans" of the same size.
    static QFont uiFont();
    // A Wingdings character the program uses, as the Unicode symbol it shows (Symbola has them all).
    static QString wingdingsSymbol(char16_t code);
};
