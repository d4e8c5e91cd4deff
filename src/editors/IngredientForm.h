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

    friend bool operator==(const IngredientForm&, const IngredientForm&) = default;
};
