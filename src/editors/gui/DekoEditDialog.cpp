#include "editors/gui/DekoEditDialog.h"

#include "editors/DecorationListSession.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

DekoEditDialog::DekoEditDialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    setCaption(QStringLiteral("Deko"));
    setFixedSize(420, 330);
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"), this);
    nameLabel->setGeometry(20, 36, 200, 18);
    NameEdit2 = new QLineEdit(this);
    NameEdit2->setObjectName(QStringLiteral("NameEdit2"));
    NameEdit2->setMaxLength(DecorationListSession::kNameLength);
    NameEdit2->setGeometry(20, 56, 250, 22);
    nameLabel->setBuddy(NameEdit2);
    auto* memoLabel = new QLabel(QStringLiteral("&Beschreibung:"), this);
    memoLabel->setGeometry(20, 88, 200, 18);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setGeometry(20, 108, 350, 160);
    Memo->setTabChangesFocus(true);
    memoLabel->setBuddy(Memo);
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] {
        if (Memo->toPlainText().size() > DecorationListSession::kTextLength) {
            Memo->setPlainText(Memo->toPlainText().left(DecorationListSession::kTextLength));
            Memo->moveCursor(QTextCursor::End);
        }
    });
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(190, 285, 85, 25);
    OkButton->setDefault(true); // Enter in the name confirms; in the description it starts a new line
    AbbrechenButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrechenButton->setGeometry(285, 285, 85, 25);
    AbbrechenButton->setAutoDefault(false);
    connect(OkButton, &QPushButton::clicked, this, &DekoEditDialog::accept);
    connect(AbbrechenButton, &QPushButton::clicked, this, &DekoEditDialog::reject);
}

bool DekoEditDialog::ask(const QString& caption, const QString& name, const QString& description) {
    setCaption(caption);
    m_shownName = name;
    m_shownDescription = description;
    NameEdit2->setText(name);
    Memo->setPlainText(description);
    NameEdit2->setFocus();
    return exec() == QDialog::Accepted;
}

QString DekoEditDialog::name() const {
    return NameEdit2->text().trimmed();
}

QString DekoEditDialog::description() const {
    return Memo->toPlainText();
}

void DekoEditDialog::accept() {
    if (description() != m_shownDescription || name() != m_shownName.trimmed())
        TOwnFenster::accept();
    else
        reject();
}
