#include "assistants/gui/NearMissDialog.h"

#include "assistants/NearMissSession.h"
#include "ui/EntryList.h"
#include "ui/StoreGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>

NearMissDialog::NearMissDialog(UiContext context, NearMissSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setObjectName(QStringLiteral("NearMissDialog"));
    setCaption(QStringLiteral("Fast mixbar"));
    setHelpContext(NearMissSession::kHelpContext);
    setFixedSize(460, 420);
    BarBox = new QComboBox(this);
    BarBox->setObjectName(QStringLiteral("BarBox"));
    BarBox->setGeometry(20, 34, 150, 24);
    BarBox->addItems(
        {QStringLiteral("Hausbar Nr. 1"), QStringLiteral("Hausbar Nr. 2"), QStringLiteral("Hausbar Nr. 3")});
    BarBox->setAccessibleName(QStringLiteral("Hausbar"));
    ZweiBox = new QCheckBox(QStringLiteral("Auch Drinks, denen &zwei Zutaten fehlen"), this);
    ZweiBox->setObjectName(QStringLiteral("ZweiBox"));
    ZweiBox->setGeometry(185, 34, 255, 24);
    Ueberschrift = new QLabel(this);
    Ueberschrift->setGeometry(20, 64, 420, 36);
    Ueberschrift->setWordWrap(true);
    Liste = new EntryList(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setGeometry(20, 104, 420, 260);
    Liste->setAccessibleName(QStringLiteral("Fast mixbare Drinks"));
    AnzeigenButton = new QPushButton(QStringLiteral("&Anzeigen"), this);
    AnzeigenButton->setGeometry(260, 376, 85, 26);
    AnzeigenButton->setDefault(true);
    SchliessenButton = new QPushButton(QStringLiteral("Schließen"), this);
    SchliessenButton->setGeometry(355, 376, 85, 26);
    connect(BarBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (StoreGuard::run([&] { m_session.setBar(index + 1); }))
            refresh();
    });
    connect(ZweiBox, &QCheckBox::toggled, this, [this](bool on) {
        if (StoreGuard::run([&] { m_session.setTwoMissing(on); }))
            refresh();
    });
    connect(Liste, &EntryList::rowDoubleClicked, this, &NearMissDialog::showChosen);
    // Only a drink's line can be shown, not a group's.
    connect(Liste->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                AnzeigenButton->setEnabled(index.isValid() && Liste->entries().at(index.row()).data > 0);
            });
    connect(AnzeigenButton, &QPushButton::clicked, this, &NearMissDialog::showChosen);
    connect(SchliessenButton, &QPushButton::clicked, this, &NearMissDialog::reject);
}

void NearMissDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    m_chosen = 0;
    const QSignalBlocker barBlocker(BarBox);
    const QSignalBlocker twoBlocker(ZweiBox);
    BarBox->setCurrentIndex(m_session.bar() - 1);
    ZweiBox->setChecked(m_session.twoMissing());
    refresh();
    Liste->setFocus();
}

void NearMissDialog::refresh() {
    Ueberschrift->setText(m_session.heading());
    const QList<ListEntry> rows = m_session.rows();
    Liste->setEntries(rows);
    // The first drink, under the first group's line.
    Liste->setCurrentRow(rows.size() > 1 ? 1 : -1);
    AnzeigenButton->setEnabled(rows.size() > 1);
}

void NearMissDialog::showChosen() {
    const int row = Liste->currentRow();
    if (row < 0 || row >= int(Liste->entries().size()) || Liste->entries().at(row).data <= 0)
        return;
    m_chosen = Liste->entries().at(row).data;
    accept();
}
