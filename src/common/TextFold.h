#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Matching typed text as a German user types it on any keyboard: letter case, accents and ß do not
// count ("pina" finds "Piña", "strasse" finds "Straße"), and an umlaut may be typed as its letter or
// spelled with a following e ("kummel" and "kuemmel" find "Kümmel"). The e is accepted only where the
// text has an umlaut, so words that really hold "ue" ("Blue", "Queen") match only as written.
class TextFold {
public:
    // A text prepared once for many matches: folded, with the places where an umlaut stood.
    struct Folded {
        QString text;
        QByteArray umlaut; // one byte per character of text: 1 where ä, ö or ü stood
    };

    // Lower case without accents; ß, æ, œ and þ become "ss", "ae", "oe" and "th".
    static QString fold(const QString& text);
    static Folded prepare(const QString& text);

    // `typed` is folded with fold() by the caller, once for all texts it is matched against.
    static bool startsWith(const Folded& text, QStringView typed);
    static bool contains(const Folded& text, QStringView typed);
    // Where `typed` matches first at `from` or later; -1 when nowhere.
    static qsizetype indexIn(const Folded& text, QStringView typed, qsizetype from);

private:
    static void append(QChar c, Folded& out);
    static bool matchesAt(const Folded& text, qsizetype at, QStringView typed);
};
