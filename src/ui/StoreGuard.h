#pragma once

#include <functional>

// Runs a command that writes or reads the tables; a store error (a damaged table, a full disk)
// is shown as an error message instead of ending the program. True when the command finished.
class StoreGuard {
public:
    static bool run(const std::function<void()>& command);
};
