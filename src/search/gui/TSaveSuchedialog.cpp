#include "search/gui/TSaveSuchedialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TSaveSuchedialog::TSaveSuchedialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    setCaption(QStringLiteral("Speichern"));
    setFixedSize(380, 130);
    auto* label = new QLabel(QStringLiteral("&Name:"), this);
    label->setGeometry(20, 40, 60, 20);
    Edit = new QLineEdit(this);
    Edit->setObjectName(QStringLiteral("Edit"));
    Edit->setGeometry(20, 60, 300, 22);
    Edit->setMaxLength(kMaxName);
    label->setBuddy(Edit);
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setGeometry(150, 92, 80, 25);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(240, 92, 80, 25);
    connect(OkButton, &QPushButton::clicked, this, &TSaveSuchedialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &TSaveSuchedialog::reject);
}

bool TSaveSuchedialog::ask(const QString& name) {
    setCaption(QStringLiteral("Speichern"));
    Edit->setText(name);
    Edit->selectAll();
    Edit->setFocus();
    return exec() == QDialog::Accepted;
}

QString TSaveSuchedialog::name() const {
    return Edit->text();
}
