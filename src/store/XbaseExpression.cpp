#include "store/XbaseExpression.h"

#include "store/XbaseParser.h"

#include <cstring>

namespace {

// Numeric field text as xBase reads it: blanks are 0, then an optional sign, digits and decimals.
double parseNumber(const char* p, int length) {
    int i = 0;
    while (i < length && p[i] == ' ')
        ++i;
    bool negative = false;
    if (i < length && (p[i] == '-' || p[i] == '+')) {
        negative = p[i] == '-';
        ++i;
    }
    double value = 0;
    for (; i < length && p[i] >= '0' && p[i] <= '9'; ++i)
        value = value * 10 + (p[i] - '0');
    if (i < length && p[i] == '.') {
        double scale = 0.1;
        for (++i; i < length && p[i] >= '0' && p[i] <= '9'; ++i, scale /= 10)
            value += (p[i] - '0') * scale;
    }
    return negative ? -value : value;
}

// First occurrence of a short needle in a short haystack. The library's general search spends more
// on setting up than on searching fields of a hundred bytes; the needle's last byte is usually a
// digit, rare in the blank-padded slots, so it makes a good anchor.
qsizetype findBytes(const char* hay, qsizetype hl, const char* needle, qsizetype nl) {
    const char last = needle[nl - 1];
    const char* end = hay + hl;
    for (const char* p = hay + nl - 1; p < end; ++p) {
        p = static_cast<const char*>(std::memchr(p, last, size_t(end - p)));
        if (!p)
            return -1;
        if (std::memcmp(p - nl + 1, needle, size_t(nl - 1)) == 0)
            return p - nl + 1 - hay;
    }
    return -1;
}

} // namespace

XbaseExpression::XbaseExpression() = default;
XbaseExpression::~XbaseExpression() = default;
XbaseExpression::XbaseExpression(XbaseExpression&&) noexcept = default;
XbaseExpression& XbaseExpression::operator=(XbaseExpression&&) noexcept = default;

XbaseExpression XbaseExpression::compile(const QString& text, const QList<DbfField>& fields) {
    XbaseExpression e;
    if (text.trimmed().isEmpty())
        return e;
    XbaseParser(text, fields, e).parse();
    return e;
}

bool XbaseExpression::matches(const char* record) const {
    return m_root < 0 || test(m_root, record);
}

bool XbaseExpression::test(int index, const char* record) const {
    const Node& n = m_nodes[size_t(index)];
    switch (n.kind) {
    case Kind::Or:
        return test(n.left, record) || test(n.right, record);
    case Kind::And:
        return test(n.left, record) && test(n.right, record);
    case Kind::NumEq:
        return number(n.left, record) == number(n.right, record);
    case Kind::NumGt:
        return number(n.left, record) > number(n.right, record);
    case Kind::NumGe:
        return number(n.left, record) >= number(n.right, record);
    case Kind::NumLe:
        return number(n.left, record) <= number(n.right, record);
    case Kind::StrEq: {
        // SET EXACT OFF: equal when the right side is a prefix of the left, an empty right side
        // included; a right side longer than the left never matches.
        const auto [l, ll] = string(n.left, record);
        const auto [r, rl] = string(n.right, record);
        return rl <= ll && (rl == 0 || std::memcmp(l, r, size_t(rl)) == 0);
    }
    default:
        return false;
    }
}

double XbaseExpression::number(int index, const char* record) const {
    const Node& n = m_nodes[size_t(index)];
    switch (n.kind) {
    case Kind::NumLiteral:
        return n.number;
    case Kind::NumField:
        return parseNumber(record + n.offset, n.length);
    case Kind::At: {
        const auto [needle, nl] = string(n.left, record);
        const auto [hay, hl] = string(n.right, record);
        if (nl == 0 || nl > hl)
            return 0;
        const qsizetype found = findBytes(hay, hl, needle, nl);
        return found < 0 ? 0 : double(found + 1);
    }
    default:
        return 0;
    }
}

std::pair<const char*, qsizetype> XbaseExpression::string(int index, const char* record) const {
    const Node& n = m_nodes[size_t(index)];
    if (n.kind == Kind::StrField)
        return {record + n.offset, n.length};
    return {n.text.constData(), n.text.size()};
}
