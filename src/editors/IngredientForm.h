#pragma once

#include "editors/AlcoholField.h"
#include "store/MemoFile.h"

// The ingredient editor's controls as the dialog shows them.
struct IngredientForm {
    static constexpr int kNameLength = 30;
    static constexpr int kRemarkLength = 5000;
    static_assert(2 * kRemarkLength <= MemoFile::kMaxTextBytes); // line breaks may become CR LF

    QString name;
    QString alcohol = AlcoholField::shown(0); // `MinAlkEdit`
    int kind = 0;                             // the unit radio buttons, 0..4
    bool noPrint = false;                     // `WichtigCheck`
    QString remark;
    // "Preis je Flasche" in euros as typed ("12,99") and "Inhalt" in the unit; both empty: no price.
    QString price;
    QString pack;

    friend bool operator==(const IngredientForm&, const IngredientForm&) = default;
};
