#include "calc/gui/NumberField.h"

#include "ui/UpDownButtons.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

NumberField::NumberField(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum), m_edit(new QLineEdit(this)),
      m_buttons(new UpDownButtons(this)) {
    m_edit->setMaxLength(4);
    m_edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), m_edit));
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);
    connect(m_buttons, &UpDownButtons::stepped, this, &NumberField::step);
}

QToolButton* NumberField::upButton() const {
    return m_buttons->up();
}

QToolButton* NumberField::downButton() const {
    return m_buttons->down();
}

QString NumberField::text() const {
    return m_edit->text();
}

void NumberField::setText(const QString& text) {
    m_edit->setText(text);
}

void NumberField::step(int delta) {
    bool ok = false;
    const int value = m_edit->text().toInt(&ok);
    const int next = ok ? qBound(m_minimum, value + delta, m_maximum) : m_minimum;
    m_edit->setText(QString::number(next));
    m_edit->selectAll();
}

bool NumberField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NumberField::resizeEvent(QResizeEvent*) {
    const int buttonWidth = 16;
    m_edit->setGeometry(0, 0, width() - buttonWidth, height());
    m_buttons->setGeometry(width() - buttonWidth, 0, buttonWidth, height());
}
