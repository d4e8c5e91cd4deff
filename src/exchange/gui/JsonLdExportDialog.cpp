#include "exchange/gui/JsonLdExportDialog.h"

#include "exchange/JsonLdExportSession.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

JsonLdExportDialog::JsonLdExportDialog(UiContext context, JsonLdExportSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setCaption(QStringLiteral("Exportieren als JSON-LD"));
    setHelpContext(2090);
    setFixedSize(400, 272);
    auto* box = new QGroupBox(QStringLiteral("Getränke"), this);
    box->setGeometry(24, railsBottom() + 10, 330, 110);
    auto* layout = new QVBoxLayout(box);
    for (QRadioButton** target : {&currentButton, &selectionButton, &allButton}) {
        *target = new QRadioButton(box);
        layout->addWidget(*target, 0, Qt::AlignLeft);
    }
    for (const int choice : {JsonLdExportSession::CurrentDrink, JsonLdExportSession::PrintSelection,
                             JsonLdExportSession::AllDrinks})
        connect(button(choice), &QRadioButton::toggled, this, [this, choice](bool on) {
            if (on)
                m_session.choose(JsonLdExportSession::Choice(choice));
        });
    embedBox = new QCheckBox(QStringLiteral("&Fotos in die Datei einbetten"), this);
    embedBox->setGeometry(24, railsBottom() + 128, 330, 22);
    embedBox->setToolTip(QStringLiteral("Sonst kommen die Fotos als PNG in einen Ordner neben der Datei."));
    connect(embedBox, &QCheckBox::toggled, this, [this](bool on) { m_session.setEmbedPictures(on); });
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setGeometry(164, 226, 90, 26);
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancelButton->setGeometry(264, 226, 90, 26);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QRadioButton* JsonLdExportDialog::button(int choice) const {
    return choice == JsonLdExportSession::CurrentDrink     ? currentButton
           : choice == JsonLdExportSession::PrintSelection ? selectionButton
                                                           : allButton;
}

void JsonLdExportDialog::showEvent(QShowEvent* event) {
    for (const int choice : {JsonLdExportSession::CurrentDrink, JsonLdExportSession::PrintSelection,
                             JsonLdExportSession::AllDrinks}) {
        const auto c = JsonLdExportSession::Choice(choice);
        button(choice)->setText(m_session.label(c));
        button(choice)->setEnabled(m_session.available(c));
    }
    button(m_session.choice())->setChecked(true);
    embedBox->setChecked(m_session.embedsPictures());
    TOwnFenster::showEvent(event);
}
