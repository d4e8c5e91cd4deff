#pragma once

#include <QList>
#include <QRect>

class LexiconTerms;

// `LexiconLinks`: the lexicon terms marked in the instructions by the most recent arrangement, each
// with its position in the term list and the rectangle of its word; at most 41.
class LexiconLinks {
public:
    static constexpr int kMaxLinks = 41;
    struct Link {
        int term = -1;
        QRect rect;
    };

    void clear() { m_links.clear(); }
    bool full() const { return m_links.size() >= kMaxLinks; }
    const QList<Link>& links() const { return m_links; }

    // Marks the word when there is room and a term begins with its marking key; true when marked.
    bool mark(const QString& word, const QRect& rect, const LexiconTerms& terms);
    // The term position of the marked word under the point; -1 when none.
    int termAt(const QPoint& point) const;

private:
    QList<Link> m_links;
};
