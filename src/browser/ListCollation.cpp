#include "browser/ListCollation.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Level separator, below every weight, so that a text sorts before its own continuations.
constexpr char32_t kLevelEnd = 1;
constexpr char32_t kBlank = 0x10;
constexpr char32_t kSignBase = 0x100;
constexpr char32_t kDigitBase = 0x200000;
constexpr char32_t kLetterBase = 0x300000;
constexpr char32_t kOtherLetterBase = 0x400000;
constexpr char32_t kPlain = 0x10;
constexpr char32_t kAccentBase = 0x100;
constexpr char32_t kLower = 0x10;
constexpr char32_t kUpper = 0x11;

// The base letters of the accented Latin letters of Windows-1252, given in lower case.
const char* baseLetters(char16_t lower) {
    switch (lower) {
    case u'à':
    case u'á':
    case u'â':
    case u'ã':
    case u'ä':
    case u'å':
        return "a";
    case u'æ':
        return "ae";
    case u'ç':
        return "c";
    case u'è':
    case u'é':
    case u'ê':
    case u'ë':
        return "e";
    case u'ƒ':
        return "f";
    case u'ì':
    case u'í':
    case u'î':
    case u'ï':
        return "i";
    case u'ð':
        return "d";
    case u'ñ':
        return "n";
    case u'ò':
    case u'ó':
    case u'ô':
    case u'õ':
    case u'ö':
    case u'ø':
        return "o";
    case u'œ':
        return "oe";
    case u'š':
        return "s";
    case u'ß':
        return "ss";
    case u'þ':
        return "th";
    case u'ù':
    case u'ú':
    case u'û':
    case u'ü':
        return "u";
    case u'ý':
    case u'ÿ':
        return "y";
    case u'ž':
        return "z";
    default:
        return nullptr;
    }
}

// Skipped on the first level, as the system's word sort skips them.
bool isIgnorable(QChar c) {
    return c == QLatin1Char('-') || c == QLatin1Char('\'') || c.unicode() == 0x00AD;
}

struct Levels {
    std::u32string primary;
    std::u32string accents;
    std::u32string cases;

    void add(QChar c) {
        const QChar lower = c.toLower();
        const char16_t l = lower.unicode();
        bool accented = false;
        if (l >= u'a' && l <= u'z') {
            primary += kLetterBase + (l - u'a');
        } else if (l >= u'0' && l <= u'9') {
            primary += kDigitBase + (l - u'0');
        } else if (const char* base = baseLetters(l)) {
            for (const char* p = base; *p; ++p)
                primary += kLetterBase + char32_t(*p - 'a');
            accented = true;
        } else if (lower.isSpace()) {
            primary += kBlank;
        } else if (lower.isLetter()) {
            primary += kOtherLetterBase + l;
        } else {
            primary += kSignBase + l;
        }
        accents += accented ? kAccentBase + l : kPlain;
        cases += c.isUpper() ? kUpper : kLower;
    }
};

} // namespace

ListCollation::Key ListCollation::sortKey(const QString& text) {
    Levels levels;
    for (QChar c : text) {
        if (!isIgnorable(c))
            levels.add(c);
    }
    Key key = levels.primary;
    key += kLevelEnd;
    key += levels.accents;
    key += kLevelEnd;
    key += levels.cases;
    key += kLevelEnd;
    for (QChar c : text)
        key += char32_t(c.unicode());
    return key;
}

bool ListCollation::lessThan(const QString& a, const QString& b) {
    return sortKey(a) < sortKey(b);
}

void ListCollation::sort(QList<ListEntry>& entries) {
    std::vector<Key> keys;
    keys.reserve(size_t(entries.size()));
    for (const ListEntry& e : entries)
        keys.push_back(sortKey(e.text));
    std::vector<size_t> order(keys.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    QList<ListEntry> sorted;
    sorted.reserve(entries.size());
    for (size_t i : order)
        sorted.append(std::move(entries[qsizetype(i)]));
    entries = std::move(sorted);
}

int ListCollation::insertSorted(QList<ListEntry>& entries, const ListEntry& entry) {
    const Key key = sortKey(entry.text);
    const auto at = std::upper_bound(entries.begin(), entries.end(), key,
                                     [](const Key& k, const ListEntry& e) { return k < sortKey(e.text); });
    const qsizetype index = at - entries.begin();
    entries.insert(index, entry);
    return int(index);
}
