#include "ui/WaitScope.h"

#include "ui/TWartenDialog.h"

WaitScope::WaitScope(TWartenDialog& window, int maximum, const QString& text)
    : m_window(window), m_text(text) {
    show(maximum);
}

WaitScope::WaitScope(TWartenDialog& window, const QString& text) : m_window(window), m_text(text) {}

WaitScope::~WaitScope() {
    if (m_shown)
        m_window.HideWaitWindow();
}

void WaitScope::show(int maximum) {
    if (m_shown)
        return;
    m_window.ShowWaitWindow(maximum, m_text);
    m_shown = true;
}

void WaitScope::step(int value) {
    if (m_shown && value % m_window.step() == 0)
        m_window.setProgress(value);
}

std::function<void(int)> WaitScope::progress() {
    return [this](int value) { step(value); };
}

std::function<void(int, int)> WaitScope::progressOf() {
    return [this](int done, int total) {
        show(total);
        step(done);
    };
}
