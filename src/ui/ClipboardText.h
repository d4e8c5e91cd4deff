#pragma once

#include <QString>

// Text for the clipboard: the program builds its texts with CR LF line ends; here they become the
// line ends this platform's programs expect.
class ClipboardText {
public:
    static QString forPlatform(const QString& text);
    static void put(const QString& text);
    // Puts the text on the clipboard and confirms with "Der Text wurde in die Zwischenablage
    // kopiert." (caption "Hinweis", one line).
    static void putAndConfirm(const QString& text);
};
