#pragma once

#include <QString>

#include <functional>

class TWartenDialog;

// The wait window with its progress bar for one scan of the recipe table: shown on construction,
// hidden (and the normal cursor back) however the scan ends.
class WaitScope {
public:
    WaitScope(TWartenDialog& window, int maximum, const QString& text);
    ~WaitScope();
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

    // What the scan calls with the record number at every progress step.
    std::function<void(int)> progress();

private:
    TWartenDialog& m_window;
};
