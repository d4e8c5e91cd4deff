#pragma once

#include "maint/AlcoholField.h"

// The ingredient editor's controls as the dialog shows them.
struct IngredientForm {
    static constexpr int kNameLength = 30;
    static constexpr int kRemarkLength = 5000;

    QString name;
    QString alcohol = AlcoholField::shown(0); // `MinAlkEdit`
    int kind = 0;                             // the unit radio buttons, 0..4
    bool noPrint = false;                     // `WichtigCheck`
    QString remark;

    friend bool operator==(const IngredientForm&, const IngredientForm&) = default;
};
