#pragma once

#include <QWidget>

// A plain panel that reports a left click (the mark switch of the main window).
class ClickPanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void clicked();

protected:
    void mousePressEvent(class QMouseEvent* event) override;
};
