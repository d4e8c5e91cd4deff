#pragma once

#include "store/RawFile.h"

#include <QHash>
#include <QString>

#include <vector>

// Acts out a power loss at any point of a run of store writes. What a file had forced to disk
// stays; of its later writes only those into the first bytes (where the headers count records
// and blocks) reach the disk: the worst order an operating system may choose.
class PowerLoss {
public:
    static constexpr qint64 kHeaderBytes = 32;

    // Takes the files of the folder as they are now (on disk) and records every write from now on.
    explicit PowerLoss(const QString& folder);
    ~PowerLoss();
    PowerLoss(const PowerLoss&) = delete;
    PowerLoss& operator=(const PowerLoss&) = delete;

    int eventCount() const { return int(m_events.size()); }
    // Fills `target` with the folder's files as the disk holds them when the power fails after the
    // first `events` events.
    bool restore(int events, const QString& target) const;

private:
    QHash<QString, QByteArray> m_files; // by file name
    std::vector<RawFile::Event> m_events;
};
