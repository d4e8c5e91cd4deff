#pragma once

#include <QString>

// The recipe editor's amount field `MengeSpin`: digits, one blank and the unit text, or "keine"
// for an ingredient without amount.
class AmountField {
public:
    static constexpr int kMaxLength = 7; // what the user may type, unit included
    static constexpr int kMaxAmount = 9999;
    static constexpr int kInvalid = 10000; // the value of a text that holds no usable amount

    struct Text {
        QString text;
        int caret = 0;
        friend bool operator==(const Text&, const Text&) = default;
    };

    static QString noAmount() { return QStringLiteral("keine"); }
    // After an ingredient was chosen: "keine", or "1 " and the unit text.
    static QString initial(int kind);
    // Every change: "keine" for kind 3; otherwise the digits of the text, one blank and the unit
    // text, with the caret after the digits.
    static Text normalise(const QString& text, int kind);
    // A change typed by the user: longer than the field allows, the previous text stays.
    static Text typed(const QString& previous, int previousCaret, const QString& text, int kind);
    // The integer before the first blank; no blank, no number or a value below 1 give 10000.
    static int value(const QString& text);
    // The up/down button: one more (at most 9999) or one less (at least 1), normalised.
    static Text stepped(const QString& text, int delta, int kind);
    static QString tooLarge(int kind);
};
