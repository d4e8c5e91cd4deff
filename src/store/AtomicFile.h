#pragma once

#include <QByteArray>
#include <QString>

// Whole-file replacement that never leaves a half-written file behind: the bytes go to a
// temporary file beside the target, which is flushed and then renamed over it.
class AtomicFile {
public:
    static bool write(const QString& path, const QByteArray& bytes);
};
