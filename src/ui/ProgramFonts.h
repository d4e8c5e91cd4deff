#pragma once

#include <QString>

// The Windows fonts the program draws with: "MS Sans Serif" and "Wingdings" come from Debian's
// fonts-wine, outside fontconfig's path, and are registered with the application at start.
class ProgramFonts {
public:
    static void registerFonts();
    // A Wingdings character the program uses, as the Unicode symbol it shows (Symbola has them all).
    static QString wingdingsSymbol(char16_t code);
};
