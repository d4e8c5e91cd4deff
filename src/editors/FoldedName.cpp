#include "editors/FoldedName.h"

#include "store/Cp1252.h"

#include <array>

namespace {

std::array<unsigned char, 256> makeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const QString folded = Cp1252::toUnicode(QByteArray(1, char(b))).toCaseFolded();
        bool ok = folded.size() == 1;
        const char encoded = ok ? Cp1252::encodeChar(folded.at(0), &ok) : char(b);
        table[size_t(b)] = static_cast<unsigned char>(ok ? encoded : char(b));
    }
    return table;
}

QByteArrayView trimmed(QByteArrayView bytes) {
    while (!bytes.isEmpty() && (bytes.back() == ' ' || bytes.back() == '\0'))
        bytes.chop(1);
    while (!bytes.isEmpty() && bytes.front() == ' ')
        bytes = bytes.sliced(1);
    return bytes;
}

} // namespace

unsigned char FoldedName::fold(unsigned char byte) {
    static const std::array<unsigned char, 256> table = makeFoldTable();
    return table[byte];
}

FoldedName::FoldedName(const QString& name) {
    const QByteArray bytes = Cp1252::fromUnicode(name.trimmed());
    m_folded.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        m_folded[i] = char(fold(static_cast<unsigned char>(bytes.at(i))));
}

bool FoldedName::matches(const QByteArray& stored) const {
    const QByteArrayView text = trimmed(stored);
    if (text.size() != m_folded.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (fold(static_cast<unsigned char>(text.at(i))) != static_cast<unsigned char>(m_folded.at(i)))
            return false;
    }
    return true;
}
