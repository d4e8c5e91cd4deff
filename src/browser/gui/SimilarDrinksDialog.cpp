#include "browser/gui/SimilarDrinksDialog.h"

#include "browser/SimilarDrinksSession.h"
#include "ui/EntryList.h"

#include <QLabel>
#include <QPushButton>

SimilarDrinksDialog::SimilarDrinksDialog(UiContext context, SimilarDrinksSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setObjectName(QStringLiteral("SimilarDrinksDialog"));
    setCaption(QStringLiteral("Ähnliche Drinks"));
    setHelpContext(SimilarDrinksSession::kHelpContext);
    setFixedSize(400, 340);
    Ueberschrift = new QLabel(this);
    Ueberschrift->setGeometry(20, 34, 360, 36);
    Ueberschrift->setWordWrap(true);
    Liste = new EntryList(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setGeometry(20, 74, 360, 210);
    Liste->setAccessibleName(QStringLiteral("Ähnliche Drinks"));
    AnzeigenButton = new QPushButton(QStringLiteral("&Anzeigen"), this);
    AnzeigenButton->setGeometry(200, 296, 85, 26);
    AnzeigenButton->setDefault(true);
    SchliessenButton = new QPushButton(QStringLiteral("Schließen"), this);
    SchliessenButton->setGeometry(295, 296, 85, 26);
    connect(Liste, &EntryList::rowDoubleClicked, this, &SimilarDrinksDialog::showChosen);
    connect(AnzeigenButton, &QPushButton::clicked, this, &SimilarDrinksDialog::showChosen);
    connect(SchliessenButton, &QPushButton::clicked, this, &SimilarDrinksDialog::reject);
}

void SimilarDrinksDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    m_chosen = 0;
    Ueberschrift->setText(m_session.heading());
    Liste->setEntries(m_session.entries());
    Liste->setCurrentRow(m_session.found().isEmpty() ? -1 : 0);
    AnzeigenButton->setEnabled(!m_session.found().isEmpty());
    Liste->setFocus();
}

void SimilarDrinksDialog::showChosen() {
    const int row = Liste->currentRow();
    if (row < 0 || row >= int(m_session.found().size()))
        return;
    m_chosen = m_session.found().at(row).recNo;
    accept();
}
