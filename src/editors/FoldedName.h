#pragma once

#include <QByteArray>
#include <QString>

// A name compared with the stored names of a table letter case ignored, on the stored
// Windows-1252 bytes: a scan over every recipe name converts nothing.
class FoldedName {
public:
    explicit FoldedName(const QString& name);
    // The raw field bytes, blanks around them ignored.
    bool matches(const QByteArray& stored) const;

private:
    static unsigned char fold(unsigned char byte);
    QByteArray m_folded;
};
