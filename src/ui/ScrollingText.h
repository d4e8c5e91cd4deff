#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

// Lines of text that scroll upward one pixel every 50 milliseconds and start again from below once
// the last line has left the top. Role titles ("- ... -") and the first line are drawn bold.
class ScrollingText : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStepMs = 50;

    explicit ScrollingText(QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    int offset() const { return m_offset; }
    // Moves the text up by one pixel (what each timer tick does).
    void step();
    int lineHeight() const;
    int textHeight() const { return lineHeight() * int(m_lines.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList m_lines;
    QTimer m_timer;
    int m_offset = 0; // pixels the text has moved up from its start just below the bottom edge
};
