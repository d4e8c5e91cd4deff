#pragma once

#include <QWidget>

class QToolButton;

// A pair of small arrow buttons, one above the other, that step a number field beside them. Held
// down they repeat.
class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    explicit UpDownButtons(QWidget* parent = nullptr);

    QToolButton* up() const { return m_up; }
    QToolButton* down() const { return m_down; }

signals:
    void stepped(int delta); // +1 up, -1 down

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};
