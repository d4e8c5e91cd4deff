#pragma once

#include "common/Notice.h"

// What differs between the category, taste and decoration lists: captions, help topics and
// every message, with N the number of recipes and X the entry's name.
struct ClassificationTexts {
    enum Kind { Categories, Tastes, Decorations };

    QString window;
    int helpContext = 0;
    QString newCaption;
    QString editCaption;
    QString scanText;
    Notice nothingSelected;
    Notice oneLeft;
    QString usedText; // %1 X, %2 N
    int usedLines = 3;
    QString confirmText; // %1 X
    int confirmLines = 2;
    QString renameText; // %1 N, %2 X
    int renameLines = 4;
    QString duplicateText;

    static ClassificationTexts of(Kind kind);
    Notice used(const QString& name, int count) const;
    Notice confirm(const QString& name) const;
    Notice renameWhileUsed(const QString& name, int count) const;
};
