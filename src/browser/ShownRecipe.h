#pragma once

#include "common/ListEntry.h"

// Which recipe the view shows: `CurrentRecNo`, `CurrentMarked` and `ShownName`, and the decision of
// `ShowSelected` whether the selected entry needs loading.
class ShownRecipe {
public:
    static constexpr int kNameWidth = 30;

    int CurrentRecNo() const { return m_currentRecNo; }
    bool CurrentMarked() const { return m_marked; }
    void setCurrentMarked(bool marked) { m_marked = marked; }
    QString ShownName() const { return m_shownName; }

    // Makes the selected entry current and returns true when its recipe must be loaded: when its
    // text (cut to 30 characters) differs from `ShownName`, and also when the names agree but the
    // entry carries another record number than the recipe shown, so that two recipes whose names
    // begin alike can both be shown.
    bool ShowSelected(const ListEntry& selected);
    // Forces the next `ShowSelected` to load (after a save, when the name may be unchanged).
    void forget();

private:
    int m_currentRecNo = 0;
    int m_shownRecNo = 0; // 0: nothing shown
    bool m_marked = false;
    QString m_shownName;
};
