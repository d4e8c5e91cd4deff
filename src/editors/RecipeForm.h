#pragma once

#include "store/MemoFile.h"

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
    // Every line break may become CR LF; the separator and the print table's remark heading fit in
    // the slack.
    static_assert(2 * (kInstructionsLength + kRemarkLength) + 64 <= MemoFile::kMaxTextBytes);

    QString name;
    int nameLimit = kNameLength;
    QString photo;
    int photoLimit = kPhotoLength;
    QString canr;
    QString instructions;
    QString remark;
    int category = -1;
    int taste = -1;
    int decoration = -1;
};
