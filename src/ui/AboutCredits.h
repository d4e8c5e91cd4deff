#pragma once

#include <QStringList>

// What the about box says: the maker's line, address block and web address, and the credits that
// scroll past: the product name in capitals, then each role title framed by dashes with its names,
// the groups separated by empty lines. The credits name every data source and every third-party
// font, sound font and library the program uses, with their licences.
class AboutCredits {
public:
    static QString productName() { return QStringLiteral("Velta Cocktails 98"); }
    static QString makerLine();
    static QStringList addressBlock(); // postal address, telephone and fax
    static QString webAddress();
    static QStringList lines();
    // A role title line ("- Schriften -").
    static bool isTitle(const QString& line);
};
