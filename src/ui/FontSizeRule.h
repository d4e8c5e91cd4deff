#pragma once

#include <QString>

// Validation of the print font chooser's input; returns the message to show, empty when valid.
class FontSizeRule {
public:
    enum class Problem { None, NoFont, NotANumber, OutOfRange };
    static Problem check(bool fontSelected, const QString& sizeText, int* size = nullptr);
    static QString message(Problem problem);
};
