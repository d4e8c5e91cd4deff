#pragma once

#include <QString>

// The instructions memo of a recipe: the instructions, then optionally the bytes 0xFE 0xFD and a
// remark. As text, those two bytes read "þý".
class RecipeMemo {
public:
    static QString separator();
    static QString join(const QString& instructions, const QString& remark);
    // Splits at the first 0xFE that is followed by 0xFD; no separator means no remark.
    static void split(const QString& memo, QString* instructions, QString* remark);
};
