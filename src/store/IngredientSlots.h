#pragma once

#include <QList>
#include <QString>

// The packed ingredient list of a recipe: `Z` holds the ingredient numbers and `ZMENGE` the
// amounts, slot k in characters 5k+1..5k+5 of each field.
class IngredientSlots {
public:
    static constexpr int kMaxSlots = 20;
    static constexpr int kSlotWidth = 5;

    struct Line {
        int ingredient = 0;
        int amount = 0;
    };

    // The number right-aligned in five characters; 0 gives five blanks; wider numbers unpadded.
    static QString FormatNumber5(int number);
    // Slot k decoded from its characters 2 to 5 (leading blanks skipped); anything else is 0.
    static int decodeSlot(const QString& padded, int k);

    IngredientSlots(const QString& zPadded, const QString& zmengePadded);
    int ingredientNumber(int k) const { return decodeSlot(m_z, k); }
    int amount(int k) const { return decodeSlot(m_zmenge, k); }
    // The lines up to the first ingredient number 0, at most 20.
    QList<Line> lines() const;

    static QString encodeNumbers(const QList<Line>& lines);
    static QString encodeAmounts(const QList<Line>& lines);

private:
    QString m_z;
    QString m_zmenge;
};
