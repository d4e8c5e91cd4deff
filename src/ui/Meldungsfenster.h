#pragma once

#include "common/Result.h"

#include <QString>

#include <functional>

class TMeldungDialog;

// The program's message box. Returns 1 for OK, 6 for yes and 7 for no (Escape in a yes/no box
// answers no). Tests install an answer hook so that no modal window ever blocks them.
class Meldungsfenster {
public:
    enum Answer { Ok = 1, Yes = 6, No = 7 };

    struct Request {
        QString text;
        QString caption;
        int lines = 1;
        bool yesNo = false;
        bool plain = false; // a plain system message, shown before the program's own windows exist
    };
    using AnswerHook = std::function<int(const Request&)>;

    // A notice from the core or a window; a question ("Frage") is asked with yes and no.
    static int show(const Notice& notice);
    // Shows a refusal; true when the result was one.
    static bool refuses(const Result& result);
    // The plain system message used when the program cannot start (an error), or to show what a
    // developer asked to see (information).
    enum class Plain { Error, Information };
    static void showPlain(const QString& text, const QString& caption, Plain kind = Plain::Error);
    // The dialog that shows the messages once the windows exist; none: a system message box.
    static void setDialog(TMeldungDialog* dialog);
    // Returns the previous hook, so that a scoped guard can restore it.
    static AnswerHook setAnswerHook(AnswerHook hook);
};
