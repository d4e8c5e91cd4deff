#include "ui/UpDownButtons.h"

#include <QToolButton>

UpDownButtons::UpDownButtons(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    m_up->setAccessibleName(QStringLiteral("Erhöhen"));
    m_down->setAccessibleName(QStringLiteral("Verringern"));
    for (auto [button, arrow, delta] :
         {std::tuple{m_up, Qt::UpArrow, 1}, std::tuple{m_down, Qt::DownArrow, -1}}) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, d = delta] { emit stepped(d); });
    }
}

void UpDownButtons::setArrowSize(const QSize& size) {
    m_up->setIconSize(size);
    m_down->setIconSize(size);
}

void UpDownButtons::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}
