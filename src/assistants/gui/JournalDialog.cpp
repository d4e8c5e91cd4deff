#include "assistants/gui/JournalDialog.h"

#include "assistants/JournalSession.h"
#include "ui/EntryList.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel* heading(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

} // namespace

JournalDialog::JournalDialog(UiContext context, JournalSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setObjectName(QStringLiteral("JournalDialog"));
    setCaption(QStringLiteral("Journal"));
    setHelpContext(JournalSession::kHelpContext);
    setFixedSize(640, 420);
    // The right-hand column stops short of the rails and boxes the skin paints.
    heading(this, QStringLiteral("Nach Datum"), {20, 70, 290, 18});
    DatumListe = new EntryList(this);
    DatumListe->setObjectName(QStringLiteral("DatumListe"));
    DatumListe->setGeometry(20, 90, 290, 270);
    DatumListe->setAccessibleName(QStringLiteral("Nach Datum"));
    heading(this, QStringLiteral("Je Drink"), {322, 70, 262, 18});
    DrinkListe = new EntryList(this);
    DrinkListe->setObjectName(QStringLiteral("DrinkListe"));
    DrinkListe->setGeometry(322, 90, 262, 150);
    DrinkListe->setAccessibleName(QStringLiteral("Je Drink"));
    heading(this, QStringLiteral("Je Monat"), {322, 246, 262, 18});
    MonatListe = new EntryList(this);
    MonatListe->setObjectName(QStringLiteral("MonatListe"));
    MonatListe->setGeometry(322, 266, 262, 94);
    MonatListe->setAccessibleName(QStringLiteral("Je Monat"));
    Summe = new QLabel(this);
    Summe->setObjectName(QStringLiteral("Summe"));
    Summe->setGeometry(20, 366, 380, 40);
    Summe->setWordWrap(true);
    AnzeigenButton = new QPushButton(QStringLiteral("&Anzeigen"), this);
    AnzeigenButton->setGeometry(404, 376, 85, 26);
    SchliessenButton = new QPushButton(QStringLiteral("Schließen"), this);
    SchliessenButton->setGeometry(499, 376, 85, 26);
    for (EntryList* list : {DatumListe, DrinkListe}) {
        connect(list, &EntryList::rowDoubleClicked, this, [this, list] { showChosen(list); });
        connect(list, &EntryList::rowChosen, this, [this, list] { m_lastList = list; });
    }
    connect(AnzeigenButton, &QPushButton::clicked, this, [this] { showChosen(m_lastList); });
    connect(SchliessenButton, &QPushButton::clicked, this, &JournalDialog::reject);
}

void JournalDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    m_chosen = 0;
    DatumListe->setEntries(m_session.dateEntries());
    DrinkListe->setEntries(JournalSession::entries(m_session.perDrink()));
    MonatListe->setEntries(JournalSession::entries(m_session.perMonth()));
    Summe->setText(m_session.summary());
    const bool any = !m_session.lines().isEmpty();
    DatumListe->setCurrentRow(any ? 0 : -1);
    m_lastList = DatumListe;
    AnzeigenButton->setEnabled(any);
    DatumListe->setFocus();
}

void JournalDialog::showChosen(EntryList* list) {
    // The entries carry the drink's record number; a month or an empty journal none.
    if (!list || list->currentData() <= 0)
        return;
    m_chosen = list->currentData();
    accept();
}
