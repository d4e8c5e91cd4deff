#include "editors/gui/KatEditDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

KatEditDialog::KatEditDialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    setCaption(QStringLiteral("Wird von mehreren Funktionen benutzt"));
    setFixedSize(360, 150);
    auto* label = new QLabel(QStringLiteral("&Name:"), this);
    label->setGeometry(20, 36, 200, 18);
    Edit = new QLineEdit(this);
    Edit->setObjectName(QStringLiteral("Edit"));
    Edit->setMaxLength(kLength);
    Edit->setGeometry(20, 56, 290, 22);
    label->setBuddy(Edit);
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(130, 100, 85, 25);
    OkButton->setDefault(true);
    AbbrechenButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrechenButton->setGeometry(225, 100, 85, 25);
    AbbrechenButton->setAutoDefault(false);
    connect(OkButton, &QPushButton::clicked, this, &KatEditDialog::accept);
    connect(AbbrechenButton, &QPushButton::clicked, this, &KatEditDialog::reject);
}

bool KatEditDialog::ask(const QString& caption, const QString& text) {
    setCaption(caption);
    m_shown = text;
    Edit->setText(text);
    Edit->selectAll();
    Edit->setFocus();
    return exec() == QDialog::Accepted;
}

QString KatEditDialog::text() const {
    return Edit->text().trimmed();
}

void KatEditDialog::accept() {
    if (text() != m_shown.trimmed())
        TOwnFenster::accept();
    else
        reject();
}
