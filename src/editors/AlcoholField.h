#pragma once

#include <QString>

// The ingredient editor's alcohol field `MinAlkEdit`: digits followed by "%".
class AlcoholField {
public:
    static constexpr int kMaxLength = 3; // what the user may type, "%" included
    static constexpr int kMax = 99;

    struct Text {
        QString text;
        int caret = 0;
        friend bool operator==(const Text&, const Text&) = default;
    };

    // Every change: leading blanks dropped, only the digits kept, "%" appended, the caret after
    // the digits.
    static Text normalise(const QString& text);
    // A change typed by the user: longer than the field allows, the previous text stays.
    static Text typed(const QString& previous, int previousCaret, const QString& text);
    // The integer before "%"; 0 when there is none or it is negative.
    static int value(const QString& text);
    // The up/down button: one more (at most 99) or one less (at least 0), normalised.
    static Text stepped(const QString& text, int delta);
    static QString shown(int alcohol) { return QString::number(alcohol) + QLatin1Char('%'); }
};
