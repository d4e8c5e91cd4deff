#pragma once

#include <QString>

#include <functional>

class TWartenDialog;

// The one way to drive the wait window through a long pass: shown at once when the pass's length is
// known, or at its first step; the bar moves every `TWartenDialog::step()` items; hidden (and the
// normal cursor back) however the pass ends.
class WaitScope {
public:
    // Shown at once.
    WaitScope(TWartenDialog& window, int maximum, const QString& text);
    // Shown when the pass first reports its progress (`progressOf`).
    WaitScope(TWartenDialog& window, const QString& text);
    ~WaitScope();
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

    void step(int value);
    // What a scan calls with the record number at every progress step.
    std::function<void(int)> progress();
    // What a pass that learns its length as it goes calls: items done, items in all.
    std::function<void(int, int)> progressOf();

private:
    void show(int maximum);

    TWartenDialog& m_window;
    QString m_text;
    bool m_shown = false;
};
