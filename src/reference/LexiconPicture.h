#pragma once

#include <QString>

// The picture of a lexicon term or a decoration: the file named by the record's `BILD` in the
// pictures folder's "EXTRAS" folder, else the default picture of its kind in the data folder.
class LexiconPicture {
public:
    enum class Kind { Term = 1, Decoration = 2 };

    // `BILD` is taken without the blanks that pad it to its field width, and the file is found
    // without regard to case. A name that would reach outside "EXTRAS" (a path separator, "..")
    // names no file, so the default is shown. Empty when not even the default exists.
    static QString file(const QString& bild, Kind kind, const QString& picturesFolder,
                        const QString& dataFolder);
    static QString defaultName(Kind kind);
};
