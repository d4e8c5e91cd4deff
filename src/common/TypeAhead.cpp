#include "common/TypeAhead.h"

#include "common/TextFold.h"

#include <algorithm>
#include <tuple>
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

TypeAhead::Found TypeAhead::findMatch(const QList<ListEntry>& entries, const QString& prefix, int startAfter,
                                      const QList<OtherName>& otherNames) {
    const int n = int(entries.size());
    if (n == 0)
        return {};
    const int first = startAfter < 0 || startAfter >= n ? 0 : startAfter + 1;
    const QString typed = TextFold::fold(prefix);
    for (int step = 0; step < n; ++step) {
        const int i = (first + step) % n;
        if (TextFold::startsWith(TextFold::prepare(entries.at(i).text), typed))
            return {i, Match::Start, {}};
    }
    // Each keystroke needs only the first fallback: the costlier ones are left out once one finds.
    const QList<Found> fallbacks = collect(entries, prefix, otherNames, true);
    return fallbacks.isEmpty() ? Found{} : fallbacks.first();
}

QList<TypeAhead::Found> TypeAhead::matches(const QList<ListEntry>& entries, const QString& text,
                                           const QList<OtherName>& otherNames) {
    return collect(entries, text, otherNames, false);
}

QList<TypeAhead::Found> TypeAhead::collect(const QList<ListEntry>& entries, const QString& text,
                                           const QList<OtherName>& otherNames, bool firstGroupOnly) {
    const QString typed = TextFold::fold(text);
    std::vector<TextFold::Folded> texts;
    texts.reserve(size_t(entries.size()));
    QList<Found> found;
    std::vector<bool> taken(size_t(entries.size()), false);
    for (int i = 0; i < int(entries.size()); ++i) {
        texts.push_back(TextFold::prepare(entries.at(i).text));
        if (TextFold::startsWith(texts.back(), typed)) {
            found.append({i, Match::Start, {}});
            taken[size_t(i)] = true;
        }
    }
    // The other names: few, so each that fits looks for its entry in the whole list.
    std::vector<std::pair<int, QString>> byOtherName;
    for (const OtherName& other : otherNames) {
        if (!TextFold::startsWith(other.folded, typed))
            continue;
        const int i = findExact(entries, other.entryText);
        if (i >= 0 && !taken[size_t(i)]) {
            byOtherName.emplace_back(i, other.text);
            taken[size_t(i)] = true;
        }
    }
    std::sort(byOtherName.begin(), byOtherName.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [i, name] : byOtherName)
        found.append({i, Match::OtherName, name});
    if (typed.size() < 3 || (firstGroupOnly && !found.isEmpty()))
        return found;
    // Of the names holding the text, those where it begins a word, and of those the shorter first:
    // "colada" finds "Piña Colada" before "Angostura Colada".
    std::vector<std::tuple<bool, qsizetype, int>> inside;
    for (int i = 0; i < int(texts.size()); ++i) {
        const TextFold::Folded& t = texts[size_t(i)];
        if (taken[size_t(i)] || !TextFold::contains(t, typed))
            continue;
        const bool midWord =
            !t.text.contains(QLatin1Char(' ') + typed) && !t.text.contains(QLatin1Char('-') + typed);
        inside.emplace_back(midWord, t.text.size(), i);
        taken[size_t(i)] = true;
    }
    std::sort(inside.begin(), inside.end());
    for (const auto& [midWord, length, i] : inside)
        found.append({i, Match::Inside, {}});
    if (firstGroupOnly && !found.isEmpty())
        return found;
    // Then the names within one typing error (four letters typed or more) or two (eight or more),
    // the closest first.
    const int most = typed.size() >= 8 ? 2 : typed.size() >= 4 ? 1 : 0;
    std::vector<std::pair<int, int>> close;
    for (int i = 0; i < int(texts.size()) && most > 0; ++i) {
        if (taken[size_t(i)])
            continue;
        if (const int errors = errorsToAnyBeginning(typed, texts[size_t(i)].text, most); errors <= most)
            close.emplace_back(errors, i);
    }
    std::sort(close.begin(), close.end());
    for (const auto& [errors, i] : close)
        found.append({i, Match::Close, {}});
    return found;
}

QString TypeAhead::matchNote(const Found& found, const QString& typed) {
    switch (found.match) {
    case Match::OtherName:
        return QStringLiteral("Kein Name beginnt mit „%1“: gefunden unter dem anderen Namen „%2“.")
            .arg(typed, found.otherName);
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
