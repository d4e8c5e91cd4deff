#pragma once

#include <QString>

// The text rules of the dialog's small number fields: the two percentage fields, which always show
// their digits followed by "%", and the plain purchases field.
class NumberText {
public:
    struct Edited {
        QString text;
        int caret = 0;
    };

    // A percentage field after any change of its text: only its digits, then "%"; the caret
    // stands after the digits.
    static Edited percent(const QString& text);
    static QString percent(int value) { return percent(QString::number(value)).text; }
    // The number before the first "%"; 0 for text without "%" or not a non-negative number.
    static int percentValue(const QString& text);
    // The whole text as a non-negative number; -1 when it is none.
    static int plainValue(const QString& text);
    // The value stepped by +1 or -1, kept within 0..maximum when it was inside; a value already
    // outside stays where it is in that direction.
    static int stepped(int value, int delta, int maximum);

private:
    static int digitsValue(const QString& digits);
};
