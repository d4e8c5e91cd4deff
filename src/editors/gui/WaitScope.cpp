#include "editors/gui/WaitScope.h"

#include "ui/TWartenDialog.h"

WaitScope::WaitScope(TWartenDialog& window, int maximum, const QString& text) : m_window(window) {
    m_window.ShowWaitWindow(maximum, text);
}

WaitScope::~WaitScope() {
    m_window.HideWaitWindow();
}

std::function<void(int)> WaitScope::progress() {
    return [this](int value) { m_window.setProgress(value); };
}
