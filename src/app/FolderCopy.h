#pragma once

#include <QString>

// Copies a folder with everything below it; every copied file becomes writable by its owner
// (copies from the read-only medium belong to the user). A missing source folder copies nothing.
class FolderCopy {
public:
    // False at the first file or folder that could not be made; the error names it.
    static bool copy(const QString& from, const QString& to, QString* error = nullptr);
};
