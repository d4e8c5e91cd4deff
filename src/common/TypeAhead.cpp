#include "common/TypeAhead.h"

#include "common/TextFold.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The fewest typing errors (letters left out, added or mistyped) between the typed text and any
// beginning of the text, so that a name typed in part counts as well as one typed whole.
int errorsToAnyBeginning(QStringView typed, QStringView text, int most) {
    const qsizetype m = typed.size();
    std::vector<int> row(size_t(m) + 1);
    for (qsizetype i = 0; i <= m; ++i)
        row[size_t(i)] = int(i);
    int best = row[size_t(m)];
    for (qsizetype j = 1; j <= text.size(); ++j) {
        int diagonal = row[0];
        row[0] = int(j);
        int smallest = row[0];
        for (qsizetype i = 1; i <= m; ++i) {
            const int above = row[size_t(i)];
            row[size_t(i)] = std::min(
                {above + 1, row[size_t(i - 1)] + 1, diagonal + (typed[i - 1] == text[j - 1] ? 0 : 1)});
            diagonal = above;
            smallest = std::min(smallest, row[size_t(i)]);
        }
        best = std::min(best, row[size_t(m)]);
        if (smallest > most) // no longer beginning can come closer
            break;
    }
    return best;
}

} // namespace

TypeAhead::Found TypeAhead::findMatch(const QList<ListEntry>& entries, const QString& prefix,
                                      int startAfter) {
    const int n = int(entries.size());
    if (n == 0)
        return {};
    const int first = startAfter < 0 || startAfter >= n ? 0 : startAfter + 1;
    const QString typed = TextFold::fold(prefix);
    std::vector<TextFold::Folded> texts;
    texts.reserve(size_t(n));
    for (int step = 0; step < n; ++step) {
        const int i = (first + step) % n;
        texts.push_back(TextFold::prepare(entries.at(i).text));
        if (TextFold::startsWith(texts.back(), typed))
            return {i, Match::Start};
    }
    if (typed.size() < 3)
        return {};
    // Of the names holding the text, one where it begins a word, and of those the shortest: "colada"
    // finds "Piña Colada" before "Angostura Colada".
    Found inside;
    std::pair<bool, qsizetype> best{true, 0};
    for (int step = 0; step < n; ++step) {
        const TextFold::Folded& text = texts[size_t(step)];
        if (!TextFold::contains(text, typed))
            continue;
        const bool midWord =
            !text.text.contains(QLatin1Char(' ') + typed) && !text.text.contains(QLatin1Char('-') + typed);
        const std::pair<bool, qsizetype> rank{midWord, text.text.size()};
        if (inside.index < 0 || rank < best) {
            inside = {(first + step) % n, Match::Inside};
            best = rank;
        }
    }
    if (inside.index >= 0)
        return inside;
    const int most = typed.size() >= 8 ? 2 : typed.size() >= 4 ? 1 : 0;
    Found closest;
    int fewest = most + 1;
    for (int step = 0; step < n && most > 0; ++step) {
        const int errors = errorsToAnyBeginning(typed, texts[size_t(step)].text, most);
        if (errors < fewest) {
            fewest = errors;
            closest = {(first + step) % n, Match::Close};
        }
    }
    return closest;
}

QString TypeAhead::matchNote(Match match, const QString& typed) {
    switch (match) {
    case Match::Inside:
        return QStringLiteral("Kein Name beginnt mit „%1“: gefunden im Namen.").arg(typed);
    case Match::Close:
        return QStringLiteral("Kein Name beginnt mit „%1“: gefunden der ähnlichste Name.").arg(typed);
    case Match::Start:
        break;
    }
    return {};
}

int TypeAhead::findExact(const QList<ListEntry>& entries, const QString& text) {
    for (int i = 0; i < int(entries.size()); ++i) {
        if (entries.at(i).text.compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
