#pragma once

#include "editors/RecipeLine.h"

#include <QList>

#include <optional>

// A recipe as the editor holds it before it is written: every field of the record in the form the
// user sees it.
struct RecipeDraft {
    QString name;
    QString photo; // `EIGEN`: own photo without extension, empty for none
    QList<RecipeLine> lines;
    int kat = 0;   // 1-based category number; 0 when none is chosen
    int gesch = 0; // 1-based taste number; 0 for none
    int deko = 0;  // decoration record number; 0 for none
    QString instructions;
    QString remark;
    std::optional<int> canr; // written only while the program runs in CANR mode
    bool keepMark = false;   // the window's save clears the mark; a script's edit keeps it
};
