#include "ui/ScrollingText.h"

#include "ui/AboutCredits.h"

#include <QPainter>

ScrollingText::ScrollingText(QWidget* parent) : QWidget(parent) {
    m_timer.setInterval(kStepMs);
    connect(&m_timer, &QTimer::timeout, this, &ScrollingText::step);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScrollingText::setLines(const QStringList& lines) {
    m_lines = lines;
    m_offset = 0;
    update();
}

void ScrollingText::start() {
    if (!m_timer.isActive())
        m_timer.start();
}

void ScrollingText::stop() {
    m_timer.stop();
}

int ScrollingText::lineHeight() const {
    return fontMetrics().height() + 1;
}

void ScrollingText::step() {
    // Once the last line is out at the top, the first comes in again from the bottom.
    if (++m_offset > height() + textHeight())
        m_offset = 0;
    update();
}

void ScrollingText::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Text));
    QFont bold = font();
    bold.setBold(true);
    const int h = lineHeight();
    int y = height() - m_offset;
    for (int i = 0; i < m_lines.size(); ++i, y += h) {
        if (y + h < 0 || y > height())
            continue;
        const QString& line = m_lines.at(i);
        p.setFont(i == 0 || AboutCredits::isTitle(line) ? bold : font());
        p.drawText(QRect(0, y, width(), h), Qt::AlignHCenter | Qt::AlignVCenter, line);
    }
}
