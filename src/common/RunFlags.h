#pragma once

#include "common/Result.h"

#include <QRect>

// What the program learned about this run: whether the data may be written, what the machine offers
// and what the main window is doing. Set by the start-up and the main window; every other window only
// reads them.
struct RunFlags {
    // VE.DAT without the owner's write permission: nothing is written, every change is refused.
    bool readOnly = false;
    bool cdPresent = false;
    bool photosUnavailable = false;
    int colourDepth = 24;
    bool midiAvailable = false;
    bool waveAvailable = false;
    bool mainShown = false;
    bool previewOpen = false;
    // Where the main window stands, for the windows placed over it.
    QRect mainBounds;

    // The one answer to a change of stored data while the program runs read-only.
    Result mayWrite() const { return readOnly ? Result::refused(Notice::readOnly()) : Result::ok(); }
};
