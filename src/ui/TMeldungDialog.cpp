#include "ui/TMeldungDialog.h"

#include "ui/DialogGeometry.h"
#include "ui/Meldungsfenster.h"

#include <QLabel>
#include <QPushButton>

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

int TMeldungDialog::ask(const QString& text, const QString& caption, int lines, bool yesNo) {
    m_yesNo = yesNo;
    setCaption(caption);
    const int clientHeight = DialogGeometry::messageClientHeight(lines);
    setFixedSize(kWidth, clientHeight);
    Textfeld->setGeometry(20, DialogGeometry::messageTextTop(), kWidth - 20 - 40,
                          DialogGeometry::messageTextHeight(lines));
    QString shown = text;
    Textfeld->setText(shown.replace(QLatin1Char('\r'), QLatin1Char('\n')));
    const int top = DialogGeometry::messageButtonTop(lines);
    const int centre = (kWidth - 30) / 2;
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
