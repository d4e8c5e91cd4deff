#pragma once

#include <QWidget>

class QToolButton;

// A pair of small arrow buttons, one above the other, that step a number field beside them: the one
// up/down control of every window. Held down they repeat; they never take the focus.
class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    explicit UpDownButtons(QWidget* parent = nullptr);

    QToolButton* up() const { return m_up; }
    QToolButton* down() const { return m_down; }
    // The search dialog's narrow arrows.
    void setArrowSize(const QSize& size);

signals:
    void stepped(int delta); // +1 up, -1 down

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};
