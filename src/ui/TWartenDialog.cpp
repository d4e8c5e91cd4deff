#include "ui/TWartenDialog.h"

#include "ui/DialogGeometry.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

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
    repaint();
}

void TWartenDialog::setProgress(int value) {
    Balken->setValue(qMin(value, Balken->maximum()));
    Balken->repaint();
}

void TWartenDialog::HideWaitWindow() {
    QApplication::restoreOverrideCursor();
    hide();
}
