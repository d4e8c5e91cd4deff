#pragma once

#include <QStringList>

// The start-up switches: only the first argument counts, and at most one switch per start.
struct Switches {
    bool canrMode = false;   // exactly "CANR"
    bool advertMode = false; // "werbung", any case
    bool debugInfo = false;  // "debug", any case

    static Switches parse(const QStringList& argumentsAfterProgram);
};
