#pragma once

#include <QString>

// A message the user must see, as the core hands it to the window: the window shows it with the
// program's message box and, for a question, passes the answer back.
struct Notice {
    QString text;
    QString caption;
    int lines = 1;
    bool yesNo = false;

    static Notice hint(const QString& text, int lines) {
        return {text, QStringLiteral("Hinweis"), lines, false};
    }
    static Notice question(const QString& text, int lines) {
        return {text, QStringLiteral("Frage"), lines, true};
    }

    friend bool operator==(const Notice&, const Notice&) = default;
};
