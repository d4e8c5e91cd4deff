#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252 text as the tables and settings files hold it. Our own table keeps the conversion
// independent of how Qt was built; characters outside the code page become '?' on the way out.
class Cp1252 {
public:
    static QString toUnicode(const QByteArray& bytes);
    static QString toUnicode(const char* data, qsizetype size);
    static QByteArray fromUnicode(const QString& text);
    static bool canEncode(const QString& text);
    // The first character the code page cannot take, whole as the user sees it (an emoji is two
    // UTF-16 units, a letter may carry combining marks); empty when every character fits.
    static QString firstUnencodable(const QString& text);
    static char encodeChar(QChar c, bool* ok = nullptr);
};
