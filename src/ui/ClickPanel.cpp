#include "ui/ClickPanel.h"

#include <QMouseEvent>

void ClickPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QWidget::mousePressEvent(event);
}
