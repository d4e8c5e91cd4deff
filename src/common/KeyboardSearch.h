#pragma once

#include "common/ListEntry.h"

#include <QElapsedTimer>

// The search a list makes of the letters typed while it has the focus, folded as the type-ahead
// fields fold: letters typed in quick succession build a prefix; a pause starts a new one; the
// same letter again goes on to the next entry that begins with it.
class KeyboardSearch {
public:
    // The row to select for the typed letters, -1 when no entry matches. `current` is the selected
    // row (-1 for none); `intervalMs` is the pause after which a new prefix begins.
    int find(const QList<ListEntry>& entries, int current, const QString& typed, int intervalMs);
    // The same with the time since the previous letter given, for callers with their own clock.
    int findAfter(const QList<ListEntry>& entries, int current, const QString& typed, qint64 sincePreviousMs,
                  int intervalMs);
    const QString& prefix() const { return m_prefix; }

private:
    QString m_prefix;
    QElapsedTimer m_clock;
};
