#include "calc/gui/PartyPlannerDialog.h"

#include "calc/gui/NumberField.h"
#include "common/TypeAhead.h"
#include "ui/ClipboardText.h"
#include "ui/EntryList.h"
#include "ui/Meldungsfenster.h"
#include "ui/TypeAheadField.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

PartyPlannerDialog::PartyPlannerDialog(UiContext context, PartySession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setCaption(QStringLiteral("Partyplaner"));
    setHelpContext(2410);
    setFixedSize(850, 484);
    buildControls();
}

void PartyPlannerDialog::buildControls() {
    const auto label = [this](const QString& text, int x, int y, int w) {
        auto* l = new QLabel(text, this);
        l->setGeometry(x, y, w, 18);
        return l;
    };
    const auto button = [this](const QString& text, int x, int y, int w) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(x, y, w, 25);
        return b;
    };
    QLabel* drinks = label(QStringLiteral("&Getränke:"), 20, 34, 190);
    Getraenkeliste = new EntryList(this);
    Getraenkeliste->setObjectName(QStringLiteral("Getraenkeliste"));
    Getraenkeliste->setGeometry(20, 80, 190, 260);
    Suchfeld = new TypeAheadField(
        Getraenkeliste, [this](const QString& t) { return TypeAhead::find(Getraenkeliste->entries(), t); },
        this);
    Suchfeld->setObjectName(QStringLiteral("Suchfeld"));
    Suchfeld->setGeometry(20, 54, 190, 22);
    drinks->setBuddy(Suchfeld);

    QLabel* glasses = label(QStringLiteral("G&läser:"), 20, 352, 60);
    GlaeserEdit = new NumberField(1, PartyPlan::kMaxGlasses, this);
    GlaeserEdit->setObjectName(QStringLiteral("GlaeserEdit"));
    GlaeserEdit->setGeometry(80, 348, 70, 24);
    GlaeserEdit->setText(QStringLiteral("10"));
    glasses->setBuddy(GlaeserEdit->edit());
    HinzuButton = button(QStringLiteral("&Hinzufügen"), 20, 380, 190);

    QLabel* party = label(QStringLiteral("Für die &Party:"), 226, 34, 190);
    Partyliste = new QListWidget(this);
    Partyliste->setObjectName(QStringLiteral("Partyliste"));
    Partyliste->setGeometry(226, 54, 190, 230);
    party->setBuddy(Partyliste);
    EntfButton = button(QStringLiteral("&Entfernen"), 226, 290, 190);
    QLabel* bar = label(QStringLiteral("Haus&bar:"), 226, 326, 190);
    HausbarBox = new QComboBox(this);
    HausbarBox->setObjectName(QStringLiteral("HausbarBox"));
    HausbarBox->setGeometry(226, 348, 190, 24);
    for (int b = 0; b <= PartySession::kBars; ++b)
        HausbarBox->addItem(PartySession::barName(b));
    bar->setBuddy(HausbarBox);

    // A party from guests and hours: "Vorschlagen" sets the glasses of the drinks chosen.
    QLabel* guests = label(QStringLiteral("G&äste:"), 226, 388, 70);
    GaesteEdit = new NumberField(0, PartyPlan::kMaxGuests, this);
    GaesteEdit->setObjectName(QStringLiteral("GaesteEdit"));
    GaesteEdit->setGeometry(300, 384, 70, 24);
    GaesteEdit->setText(QStringLiteral("0"));
    guests->setBuddy(GaesteEdit->edit());
    QLabel* hours = label(QStringLiteral("S&tunden:"), 226, 416, 70);
    StundenEdit = new NumberField(1, PartyPlan::kMaxHours, this);
    StundenEdit->setObjectName(QStringLiteral("StundenEdit"));
    StundenEdit->setGeometry(300, 412, 70, 24);
    StundenEdit->setText(QStringLiteral("4"));
    hours->setBuddy(StundenEdit->edit());
    VorschlagButton = button(QStringLiteral("&Vorschlagen"), 226, 444, 190);

    label(QStringLiteral("Einkaufsliste:"), 432, 34, 368);
    Einkaufsliste = new QPlainTextEdit(this);
    Einkaufsliste->setObjectName(QStringLiteral("Einkaufsliste"));
    Einkaufsliste->setGeometry(432, 54, 368, 382);
    Einkaufsliste->setReadOnly(true);
    Einkaufsliste->setLineWrapMode(QPlainTextEdit::NoWrap);
    Einkaufsliste->setTabStopDistance(100);
    KopierenButton = button(QStringLiteral("&Kopieren"), 552, 444, 80);
    DruckenButton = button(QStringLiteral("&Drucken"), 636, 444, 80);
    OkButton = button(QStringLiteral("OK"), 720, 444, 80);
    OkButton->setDefault(true);

    connect(HinzuButton, &QPushButton::clicked, this, &PartyPlannerDialog::add);
    connect(Suchfeld, &TypeAheadField::entered, this, &PartyPlannerDialog::add);
    connect(Getraenkeliste, &EntryList::rowDoubleClicked, this, &PartyPlannerDialog::add);
    connect(EntfButton, &QPushButton::clicked, this, &PartyPlannerDialog::removeSelected);
    connect(Partyliste, &QListWidget::itemDoubleClicked, this, &PartyPlannerDialog::removeSelected);
    connect(HausbarBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_session.setBar(index);
        showList();
    });
    connect(KopierenButton, &QPushButton::clicked, this,
            [this] { ClipboardText::putAndConfirm(m_session.clipboardText()); });
    connect(DruckenButton, &QPushButton::clicked, this, [this] {
        if (m_printer)
            m_printer(m_session.listText(), this);
    });
    connect(OkButton, &QPushButton::clicked, this, &PartyPlannerDialog::accept);
    const auto takeParty = [this] {
        m_session.setParty(GaesteEdit->text().toInt(), StundenEdit->text().toInt());
        showList();
    };
    connect(GaesteEdit->edit(), &QLineEdit::textChanged, this, takeParty);
    connect(StundenEdit->edit(), &QLineEdit::textChanged, this, takeParty);
    connect(VorschlagButton, &QPushButton::clicked, this, [this] {
        m_session.setParty(GaesteEdit->text().toInt(), StundenEdit->text().toInt());
        if (const std::optional<Notice> refused = m_session.propose()) {
            Meldungsfenster::show(*refused);
            return;
        }
        const int row = Partyliste->currentRow();
        showList();
        Partyliste->setCurrentRow(row);
    });
}

void PartyPlannerDialog::add() {
    const PartySession::Added added = m_session.add(Getraenkeliste->currentData(), GlaeserEdit->text());
    if (added.added)
        showList();
    if (added.notice)
        Meldungsfenster::show(*added.notice);
    if (!added.added)
        return;
    Partyliste->setCurrentRow(Partyliste->count() - 1);
    Suchfeld->setFocus();
    Suchfeld->selectAll();
}

void PartyPlannerDialog::removeSelected() {
    const int row = Partyliste->currentRow();
    if (row < 0)
        return;
    m_session.remove(row);
    showList();
    Partyliste->setCurrentRow(qMin(row, Partyliste->count() - 1));
}

void PartyPlannerDialog::showList() {
    Partyliste->clear();
    Partyliste->addItems(m_session.drinkTexts());
    Einkaufsliste->setPlainText(m_session.listText().join(QLatin1Char('\n')));
    const bool any = m_session.drinkCount() > 0;
    EntfButton->setEnabled(any);
    KopierenButton->setEnabled(any);
    DruckenButton->setEnabled(any && m_printer != nullptr);
}

// Opening: the drink list is read afresh, since recipes may have changed since the last time, and the
// search starts over.
void PartyPlannerDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    Getraenkeliste->setEntries(m_session.recipeChoices());
    Suchfeld->clear();
    if (Getraenkeliste->count() > 0)
        Getraenkeliste->setCurrentRow(0);
    m_session.setBar(HausbarBox->currentIndex());
    showList();
    Suchfeld->setFocus();
}
