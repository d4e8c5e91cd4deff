#pragma once

#include <QString>

// Names inside the program's folders are looked up without regard to letter case, as on the
// system the data come from: "option.cfg", "Daten" and "AUTORUN.ico" are all found.
class FolderLookup {
public:
    // The path of an existing file or folder whose relative path matches without regard to case;
    // the path as written when nothing matches (so a file not yet there is created as named).
    static QString find(const QString& folder, const QString& relative);
    // The same for a folder, ending in a separator.
    static QString subfolder(const QString& folder, const QString& name);
};
