#include "common/ListCollation.h"

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

// The accented Latin letters of Windows-1252, in lower case, with the letters they sort as.
struct BaseLetters {
    char16_t letter;
    const char* base;
};
constexpr BaseLetters kBaseLetters[] = {
    {u'à', "a"},  {u'á', "a"},  {u'â', "a"}, {u'ã', "a"},  {u'ä', "a"},  {u'å', "a"},
    {u'æ', "ae"}, {u'ç', "c"},  {u'è', "e"}, {u'é', "e"},  {u'ê', "e"},  {u'ë', "e"},
    {u'ƒ', "f"},  {u'ì', "i"},  {u'í', "i"}, {u'î', "i"},  {u'ï', "i"},  {u'ð', "d"},
    {u'ñ', "n"},  {u'ò', "o"},  {u'ó', "o"}, {u'ô', "o"},  {u'õ', "o"},  {u'ö', "o"},
    {u'ø', "o"},  {u'œ', "oe"}, {u'š', "s"}, {u'ß', "ss"}, {u'þ', "th"}, {u'ù', "u"},
    {u'ú', "u"},  {u'û', "u"},  {u'ü', "u"}, {u'ý', "y"},  {u'ÿ', "y"},  {u'ž', "z"}};

const char* baseLetters(char16_t lower) {
    for (const BaseLetters& b : kBaseLetters) {
        if (b.letter == lower)
            return b.base;
    }
    return nullptr;
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
