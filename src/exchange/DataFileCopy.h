#pragma once

#include <QString>

// The block-wise file copy used by backup, restore and the imports.
class DataFileCopy {
public:
    static constexpr qint64 kBlockSize = 49152;

    // Copies source to destination byte for byte; true when no input or output error occurred.
    // Equal names copy nothing and succeed; a missing source fails.
    static bool CopyDataFile(const QString& source, const QString& destination);
};
