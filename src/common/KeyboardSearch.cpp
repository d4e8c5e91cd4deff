#include "common/KeyboardSearch.h"

#include "common/TypeAhead.h"

int KeyboardSearch::find(const QList<ListEntry>& entries, int current, const QString& typed, int intervalMs) {
    qint64 since = qint64(intervalMs) + 1; // the first letter begins a prefix
    if (m_clock.isValid())
        since = m_clock.restart();
    else
        m_clock.start();
    return findAfter(entries, current, typed, since, intervalMs);
}

int KeyboardSearch::findAfter(const QList<ListEntry>& entries, int current, const QString& typed,
                              qint64 sincePreviousMs, int intervalMs) {
    if (typed.isEmpty()) { // the view forgetting what was typed
        m_prefix.clear();
        return -1;
    }
    if (sincePreviousMs > intervalMs)
        m_prefix.clear();
    const bool fresh = m_prefix.isEmpty();
    m_prefix += typed;
    const QString letters = m_prefix.toLower();
    const bool sameKey = letters.size() > 1 && letters.count(letters.back()) == letters.size();
    // A new prefix or a repeated letter moves on from the selected entry; a longer prefix may still
    // fit the selected entry itself.
    if (fresh || sameKey)
        return TypeAhead::find(entries, sameKey ? m_prefix.left(1) : m_prefix, current);
    return TypeAhead::find(entries, m_prefix, current - 1);
}
