#include "common/TypeAhead.h"

#include "common/TextFold.h"

int TypeAhead::find(const QList<ListEntry>& entries, const QString& prefix, int startAfter) {
    const int n = int(entries.size());
    if (n == 0)
        return -1;
    const int first = startAfter < 0 || startAfter >= n ? 0 : startAfter + 1;
    const QString typed = TextFold::fold(prefix);
    for (int step = 0; step < n; ++step) {
        const int i = (first + step) % n;
        if (TextFold::startsWith(TextFold::prepare(entries.at(i).text), typed))
            return i;
    }
    return -1;
}

int TypeAhead::findExact(const QList<ListEntry>& entries, const QString& text) {
    for (int i = 0; i < int(entries.size()); ++i) {
        if (entries.at(i).text.compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
