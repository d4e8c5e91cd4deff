#pragma once

#include <QString>

// A file in one of the program's folders, found without regard to letter case, since the data may
// come from a system where "ve.dat" and "VE.DAT" are one file. Gives the existing entry's own
// spelling, or the name as given where there is none yet (so that a new file gets that name).
class FolderEntry {
public:
    static QString path(const QString& folder, const QString& name);
    static bool exists(const QString& folder, const QString& name);
};
