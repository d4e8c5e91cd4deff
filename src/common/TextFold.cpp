#include "common/TextFold.h"

namespace {

// Letters that do not decompose into a base letter and an accent.
const char* spelledOut(char16_t lower) {
    switch (lower) {
    case u'ß':
        return "ss";
    case u'æ':
        return "ae";
    case u'œ':
        return "oe";
    case u'þ':
        return "th";
    case u'ø':
        return "o";
    case u'ð':
    case u'đ':
        return "d";
    case u'ł':
        return "l";
    case u'ƒ':
        return "f";
    default:
        return nullptr;
    }
}

bool isUmlaut(char16_t lower) {
    return lower == u'ä' || lower == u'ö' || lower == u'ü';
}

} // namespace

void TextFold::append(QChar c, Folded& out) {
    QChar lower = c.toLower();
    if (const char* spelled = spelledOut(lower.unicode())) {
        for (const char* p = spelled; *p; ++p) {
            out.text += QLatin1Char(*p);
            out.umlaut += '\0';
        }
        return;
    }
    if (lower.category() == QChar::Mark_NonSpacing)
        return; // a combining accent typed on its own
    const bool umlaut = isUmlaut(lower.unicode());
    while (lower.decompositionTag() == QChar::Canonical)
        lower = lower.decomposition().at(0);
    out.text += lower;
    out.umlaut += umlaut ? '\1' : '\0';
}

TextFold::Folded TextFold::prepare(const QString& text) {
    // Most text is ASCII: it is copied in runs and lower-cased in place; only the other letters go
    // one by one through append().
    Folded out;
    out.text.reserve(text.size() + 8);
    out.umlaut.reserve(text.size() + 8);
    const QChar* p = text.constData();
    const QChar* const end = p + text.size();
    while (p < end) {
        const QChar* const run = p;
        while (p < end && p->unicode() < 0x80)
            ++p;
        if (p > run) {
            const qsizetype at = out.text.size();
            out.text.append(run, p - run);
            out.umlaut.append(p - run, '\0');
            QChar* letters = out.text.data() + at;
            for (qsizetype i = 0; i < p - run; ++i) {
                const char16_t u = letters[i].unicode();
                if (u >= u'A' && u <= u'Z')
                    letters[i] = QChar(char16_t(u + (u'a' - u'A')));
            }
        }
        if (p < end)
            append(*p++, out);
    }
    return out;
}

QString TextFold::fold(const QString& text) {
    return prepare(text).text;
}

bool TextFold::matchesAt(const Folded& text, qsizetype at, QStringView typed) {
    qsizetype i = at;
    for (qsizetype j = 0; j < typed.size(); ++i, ++j) {
        if (i >= text.text.size() || text.text.at(i) != typed.at(j))
            return false;
        // "ue" for "ü": try the spelled-out umlaut first, then the e as the next letter.
        if (text.umlaut.at(i) && j + 1 < typed.size() && typed.at(j + 1) == u'e' &&
            matchesAt(text, i + 1, typed.mid(j + 2)))
            return true;
    }
    return true;
}

bool TextFold::startsWith(const Folded& text, QStringView typed) {
    return matchesAt(text, 0, typed);
}

bool TextFold::contains(const Folded& text, QStringView typed) {
    return indexIn(text, typed, 0) >= 0;
}

qsizetype TextFold::indexIn(const Folded& text, QStringView typed, qsizetype from) {
    if (typed.isEmpty())
        return from <= text.text.size() ? from : -1;
    const QChar first = typed.at(0);
    for (qsizetype i = text.text.indexOf(first, from); i >= 0; i = text.text.indexOf(first, i + 1)) {
        if (matchesAt(text, i, typed))
            return i;
    }
    return -1;
}
