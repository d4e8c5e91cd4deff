#include "ui/TWartenDialog.h"

#include "ui/DialogGeometry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QWindow>

TWartenDialog::TWartenDialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    setCaption(QStringLiteral("Bitte warten..."));
    setModal(false);
    setFixedSize(320, 120);
    Hinweislabel = new QLabel(this);
    Hinweislabel->setGeometry(20, 36, 250, 20);
    Balken = new QProgressBar(this);
    Balken->setGeometry(20, 66, 250, 18);
    Balken->setTextVisible(false);
}

void TWartenDialog::ShowWaitWindow(int maximum, const QString& text) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Hinweislabel->setText(text);
    m_step = DialogGeometry::waitStep(maximum);
    Balken->setRange(0, qMax(0, DialogGeometry::waitBarMaximum(maximum)));
    Balken->setValue(0);
    show();
    raise();
    // The work that follows holds the event loop: the window must be on screen and painted before
    // it starts, and the window system's answer to show() arrives as events.
    QElapsedTimer waited;
    waited.start();
    while (!isExposed() && waited.elapsed() < kExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(2);
    }
    repaint();
}

// Painted at once: the work holds the event loop, and an exposed window paints without it.
void TWartenDialog::setProgress(int value) {
    Balken->setValue(qMin(value, Balken->maximum()));
    Balken->repaint();
}

bool TWartenDialog::isExposed() const {
    return windowHandle() && windowHandle()->isExposed();
}

void TWartenDialog::HideWaitWindow() {
    QApplication::restoreOverrideCursor();
    hide();
}
