#include "store/Cp1252.h"

#include <QTextBoundaryFinder>

#include <array>

namespace {

// 0x80..0x9F; zero marks the five bytes the code page leaves undefined. Like the Windows
// converter, those pass through as the C1 control of the same value, so every byte round-trips.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x0000, 0x017D, 0x0000, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178};

QChar decodeByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        const char16_t u = kHighTable[b - 0x80];
        return u == 0 ? QChar(char16_t(b)) : QChar(u);
    }
    return QChar(char16_t(b));
}

} // namespace

QString Cp1252::toUnicode(const char* data, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < size; ++i)
        dst[i] = decodeByte(static_cast<unsigned char>(data[i]));
    return out;
}

QString Cp1252::toUnicode(const QByteArray& bytes) {
    return toUnicode(bytes.constData(), bytes.size());
}

char Cp1252::encodeChar(QChar c, bool* ok) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        if (ok)
            *ok = true;
        return static_cast<char>(u);
    }
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        const char16_t mapped = kHighTable[i] != 0 ? kHighTable[i] : char16_t(0x80 + i);
        if (mapped == u) {
            if (ok)
                *ok = true;
            return static_cast<char>(0x80 + i);
        }
    }
    if (ok)
        *ok = false;
    return '?';
}

QByteArray Cp1252::fromUnicode(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = encodeChar(text.at(i));
    return out;
}

bool Cp1252::canEncode(const QString& text) {
    for (QChar c : text) {
        bool ok = false;
        encodeChar(c, &ok);
        if (!ok)
            return false;
    }
    return true;
}

QString Cp1252::firstUnencodable(const QString& text) {
    qsizetype at = 0;
    for (; at < text.size(); ++at) {
        bool ok = false;
        encodeChar(text.at(at), &ok);
        if (!ok)
            break;
    }
    if (at == text.size())
        return {};
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    graphemes.setPosition(at);
    const qsizetype start = graphemes.isAtBoundary() ? at : graphemes.toPreviousBoundary();
    graphemes.setPosition(at);
    const qsizetype end = graphemes.toNextBoundary();
    return text.mid(start, (end < 0 ? text.size() : end) - start);
}
