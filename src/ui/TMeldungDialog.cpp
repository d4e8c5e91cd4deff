#include "ui/TMeldungDialog.h"

#include "ui/DialogGeometry.h"
#include "ui/Meldungsfenster.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TMeldungDialog::TMeldungDialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    Textfeld = new QLabel(this);
    Textfeld->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Textfeld->setWordWrap(true);
    JaButton = new QPushButton(QStringLiteral("&Ja"), this);
    NeinButton = new QPushButton(QStringLiteral("&Nein"), this);
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    connect(JaButton, &QPushButton::clicked, this, [this] { done(Meldungsfenster::Yes); });
    connect(NeinButton, &QPushButton::clicked, this, [this] { done(Meldungsfenster::No); });
    connect(OkButton, &QPushButton::clicked, this, [this] { done(Meldungsfenster::Ok); });
}

void TMeldungDialog::reject() {
    done(m_yesNo ? Meldungsfenster::No : Meldungsfenster::Ok);
}

int TMeldungDialog::linesNeeded(const QFontMetrics& metrics, const QString& text, int textWidth) {
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, textWidth, 100000), Qt::AlignHCenter | Qt::TextWordWrap, text);
    return (needed.height() + kLineHeight - 1) / kLineHeight;
}

// The caller's line count is the least the box shows; a text that needs more lines in the box's
// font gets them, and a box that would outgrow the screen grows wider instead.
QSize TMeldungDialog::fit(const QString& text, int lines) const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int maxHeight = screen ? screen->availableGeometry().height() - 40 : 700;
    const int maxWidth = screen ? screen->availableGeometry().width() - 40 : 1000;
    int width = kWidth;
    int shownLines = qMax(lines, linesNeeded(Textfeld->fontMetrics(), text, width - 60));
    while (DialogGeometry::messageClientHeight(shownLines) > maxHeight && width + 80 <= maxWidth) {
        width += 80;
        shownLines = qMax(lines, linesNeeded(Textfeld->fontMetrics(), text, width - 60));
    }
    return {width, shownLines};
}

int TMeldungDialog::ask(const QString& text, const QString& caption, int lines, bool yesNo) {
    m_yesNo = yesNo;
    setCaption(caption);
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QSize fitted = fit(shown, lines);
    const int width = fitted.width();
    lines = fitted.height();
    setFixedSize(width, DialogGeometry::messageClientHeight(lines));
    Textfeld->setGeometry(20, DialogGeometry::messageTextTop(), width - 20 - 40,
                          DialogGeometry::messageTextHeight(lines));
    Textfeld->setText(shown);
    const int top = DialogGeometry::messageButtonTop(lines);
    const int centre = (width - 30) / 2;
    JaButton->setGeometry(centre - 85, top, 80, 25);
    NeinButton->setGeometry(centre + 5, top, 80, 25);
    OkButton->setGeometry(centre - 40, top, 80, 25);
    JaButton->setVisible(yesNo);
    JaButton->setEnabled(yesNo);
    NeinButton->setVisible(yesNo);
    NeinButton->setEnabled(yesNo);
    OkButton->setVisible(!yesNo);
    OkButton->setEnabled(!yesNo);
    JaButton->setDefault(yesNo);
    OkButton->setDefault(!yesNo);
    return exec();
}

void TMeldungDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    if (JaButton->isVisible())
        JaButton->setFocus();
    else
        OkButton->setFocus();
}
