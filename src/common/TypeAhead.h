#pragma once

#include "common/ListEntry.h"
#include "common/TextFold.h"

// The searches a list box offers its type-ahead field: letter case, accents and ß ignored, umlauts
// typed as a, o, u or ae, oe, ue (see TextFold).
class TypeAhead {
public:
    // How a typed text found its entry: as the beginning of the text (the only way when any text
    // begins with it), as the beginning of another name of the entry ("Wodka-O" finds "Wodka
    // Orange"), inside a text ("colada" finds "Piña Colada"), or as the closest text within one typing
    // error (four or more letters typed) or two (eight or more; "margerita" finds "Margarita").
    enum class Match { Start, OtherName, Inside, Close };
    struct Found {
        int index = -1;
        Match match = Match::Start;
        QString otherName; // the other name that found it
    };
    // Another name an entry is found by: the entry is the one whose text is `entryText`, letter case
    // ignored.
    struct OtherName {
        QString text;
        TextFold::Folded folded; // of text
        QString entryText;
    };

    // The first entry after `startAfter` whose text begins with the prefix, wrapping around to the
    // first entry; failing that, the first (in list order) one of whose other names begins with it;
    // failing that, with three or more letters typed, the first that holds it, then the closest. -1
    // when none does. -1 for startAfter searches from the first entry. Every text begins with the
    // empty prefix.
    static int find(const QList<ListEntry>& entries, const QString& prefix, int startAfter = -1) {
        return findMatch(entries, prefix, startAfter).index;
    }
    static Found findMatch(const QList<ListEntry>& entries, const QString& prefix, int startAfter = -1,
                           const QList<OtherName>& otherNames = {});
    // Every entry the text finds, best first: those it begins (in list order), then those one of whose
    // other names it begins (in list order), then those holding it, then the close ones.
    static QList<Found> matches(const QList<ListEntry>& entries, const QString& text,
                                const QList<OtherName>& otherNames = {});
    // What a type-ahead field tells about a match that is not the beginning of a name; empty for one
    // that is.
    static QString matchNote(const Found& found, const QString& typed);
    // The first entry whose whole text equals the text, letter case ignored (accents count: this
    // finds a name again, it is no type-ahead); -1 when none.
    static int findExact(const QList<ListEntry>& entries, const QString& text);

private:
    // `matches`; with firstGroupOnly it stops after the first kind of match that finds any entry.
    static QList<Found> collect(const QList<ListEntry>& entries, const QString& text,
                                const QList<OtherName>& otherNames, bool firstGroupOnly);
};
