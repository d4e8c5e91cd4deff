#include "browser/LexiconLinks.h"

#include "browser/LexiconTerms.h"

bool LexiconLinks::mark(const QString& word, const QRect& rect, const LexiconTerms& terms) {
    // An empty word (two blanks in a row) would match every term.
    if (full() || word.isEmpty())
        return false;
    const int term = terms.firstBeginningWith(LexiconTerms::markingKey(word));
    if (term < 0)
        return false;
    m_links.append({term, rect});
    return true;
}

int LexiconLinks::termAt(const QPoint& point) const {
    for (const Link& link : m_links) {
        if (link.rect.contains(point))
            return link.term;
    }
    return -1;
}
