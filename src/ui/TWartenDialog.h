#pragma once

#include "ui/TOwnFenster.h"

class QLabel;
class QProgressBar;

// "Bitte warten...": shown without blocking while a long loop runs, with a progress bar.
class TWartenDialog : public TOwnFenster {
    Q_OBJECT
public:
    TWartenDialog(UiContext context, QWidget* parent = nullptr);

    void ShowWaitWindow(int maximum, const QString& text);
    void HideWaitWindow();
    // Callers that update only every step items; never 0.
    int step() const { return qMax(1, m_step); }
    void setProgress(int value);

    QLabel* Hinweislabel = nullptr;
    QProgressBar* Balken = nullptr;

protected:
    bool alwaysCentre() const override { return true; }

private:
    // How long the window may take to appear before the work starts anyway.
    static constexpr int kExposeWaitMs = 500;
    bool isExposed() const;

    int m_step = 0;
};
