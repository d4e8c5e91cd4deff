#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;
class UpDownButtons;

// An edit field of at most four digits with its up/down buttons, stepping by 1 within a range.
// The arrow keys step too while the field has the focus.
class NumberField : public QWidget {
    Q_OBJECT
public:
    NumberField(int minimum, int maximum, QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QToolButton* upButton() const;
    QToolButton* downButton() const;
    QString text() const;
    void setText(const QString& text);
    void step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int m_minimum;
    int m_maximum;
    QLineEdit* m_edit;
    UpDownButtons* m_buttons;
};
