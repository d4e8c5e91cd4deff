#pragma once

#include <QString>

#include <functional>

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
    };
    using AnswerHook = std::function<int(const Request&)>;

    static int show(const QString& text, const QString& caption, int lines, bool yesNo);
    // Returns the previous hook, so that a scoped guard can restore it.
    static AnswerHook setAnswerHook(AnswerHook hook);
};
