#pragma once

struct AppState;

// Commands that would change stored data call this first: while the program runs from the
// read-only medium it shows the refusal and answers true, and the command does nothing.
class ReadOnlyRefusal {
public:
    static bool RefuseReadOnly(const AppState& state);
};
