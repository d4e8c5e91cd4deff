#pragma once

#include <QByteArray>
#include <QString>

// Whole-file replacement that never leaves a half-written file behind: the bytes go to a
// temporary file beside the target, forced to disk, and only then renamed over it. Every step is
// checked: a full disk or an I/O error at any of them leaves the old file byte for byte and no
// temporary file. The steps take part in RawFile's write-failure test seam.
class AtomicFile {
public:
    // False when the file could not be replaced; `reason` then gets the cause in German words.
    static bool write(const QString& path, const QByteArray& bytes, QString* reason = nullptr);
    // The message for a failed write of `path`, ready for a "Fehler" box (three lines) or stderr.
    static QString failureText(const QString& path, const QString& reason);
    // Moves a damaged file out of the way of the next write, under a name not yet taken beside it
    // (".beschaedigt", ".beschaedigt2", …); returns that name, or an empty string when it could not
    // be moved.
    static QString setAside(const QString& path);
};
