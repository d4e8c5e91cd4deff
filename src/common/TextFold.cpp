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
    const char16_t u = c.unicode();
    if (u < 0x80) {
        out.text += u >= u'A' && u <= u'Z' ? QChar(char16_t(u + (u'a' - u'A'))) : c;
        out.umlaut += '\0';
        return;
    }
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
    Folded out;
    out.text.reserve(text.size());
    out.umlaut.reserve(text.size());
    for (QChar c : text)
        append(c, out);
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
    if (typed.isEmpty())
        return true;
    const QChar first = typed.at(0);
    for (qsizetype i = 0; i < text.text.size(); ++i) {
        if (text.text.at(i) == first && matchesAt(text, i, typed))
            return true;
    }
    return false;
}
