#pragma once

#include <QString>

// The recipe editor's input controls other than the lines, as the dialog shows them. The choice
// fields are indices into the session's choice lists (-1: nothing selected).
struct RecipeForm {
    static constexpr int kNameLength = 30;
    static constexpr int kPhotoLength = 8;
    static constexpr int kNewPhotoLength = 3; // the limit a new recipe's preparation sets
    static constexpr int kCanrLength = 4;
    static constexpr int kInstructionsLength = 4000;
    static constexpr int kRemarkLength = 2000;

    QString name;
    QString photo;
    int photoLimit = kPhotoLength;
    QString canr;
    QString instructions;
    QString remark;
    int category = -1;
    int taste = -1;
    int decoration = -1;
};
