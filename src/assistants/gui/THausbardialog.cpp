#include "assistants/gui/THausbardialog.h"

#include "assistants/HomeBarSession.h"
#include "assistants/gui/TEinkaufDialog.h"
#include "assistants/gui/WindowShowing.h"
#include "ui/EntryList.h"
#include "ui/Meldungsfenster.h"
#include "ui/TypeAheadField.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace {
constexpr int kShownSound = 8;
} // namespace

THausbardialog::THausbardialog(UiContext context, HomeBarSession& session, QWidget* parent)
    : TOwnFenster(context, parent), m_session(session) {
    setCaption(QStringLiteral("Hausbar"));
    setHelpContext(2420);
    setFixedSize(546, 430);
    buildControls();
    buildPresetMenu();
}

void THausbardialog::buildControls() {
    auto* label = new QLabel(QStringLiteral("mögliche &Zutaten:"), this);
    label->setGeometry(20, 34, 200, 18);
    zlistbox = new EntryList(this);
    zlistbox->setObjectName(QStringLiteral("zlistbox"));
    zlistbox->setGeometry(20, 80, 200, 250);
    Editfeld = new TypeAheadField(
        zlistbox, [this](const QString& t) { return m_session.typeAhead(t); }, this);
    Editfeld->setObjectName(QStringLiteral("Editfeld"));
    Editfeld->setGeometry(20, 54, 200, 22);
    label->setBuddy(Editfeld);
    noti = new QTabWidget(this);
    noti->setGeometry(240, 34, 256, 296); // wide enough for the three bars and the basics
    for (int b = 0; b < 3; ++b) {
        hlistbox[b] = new EntryList(noti);
        noti->addTab(hlistbox[b], QStringLiteral("Bar &%1").arg(b + 1));
        connect(hlistbox[b], &EntryList::rowDoubleClicked, this, &THausbardialog::removeSelected);
        hlistbox[b]->installEventFilter(this);
    }
    basicsList = new EntryList(noti);
    basicsList->setObjectName(QStringLiteral("basicsList"));
    noti->addTab(basicsList, QStringLiteral("&Grundzutaten"));
    connect(basicsList, &EntryList::rowDoubleClicked, this, &THausbardialog::removeSelected);
    basicsList->installEventFilter(this);
    connect(noti, &QTabWidget::currentChanged, this, &THausbardialog::showPage);
    substitutesBox = new QCheckBox(QStringLiteral("Ersatzzutaten zu&lassen"), this);
    substitutesBox->setObjectName(QStringLiteral("substitutesBox"));
    substitutesBox->setGeometry(20, 372, 210, 22);
    alwaysAtHomeBox = new QCheckBox(QStringLiteral("Immer im Ha&us"), this);
    alwaysAtHomeBox->setObjectName(QStringLiteral("alwaysAtHomeBox"));
    alwaysAtHomeBox->setGeometry(20, 396, 210, 22);
    alwaysAtHomeBox->setToolTip(QStringLiteral("Die Grundzutaten zählen in jeder Hausbar als vorhanden."));
    connect(substitutesBox, &QCheckBox::toggled, this,
            [this](bool on) { m_session.setAllowSubstitutes(on); });
    connect(alwaysAtHomeBox, &QCheckBox::toggled, this, [this](bool on) { m_session.setAlwaysAtHome(on); });
    const auto button = [this](const QString& text, int x, int y, int w) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(x, y, w, 25);
        return b;
    };
    HinzuButton = button(QStringLiteral("&Hinzufügen"), 20, 340, 95);
    entfbutton = button(QStringLiteral("&Entfernen"), 125, 340, 95);
    button5 = button(QStringLiteral("&Info"), 240, 340, 70);
    VButton = button(QStringLiteral("&Vorgabe"), 315, 340, 75);
    Einkaufbutton = button(QStringLiteral(" &Einkaufsassistent"), 240, 368, 150);
    FastMixbarButton = button(QStringLiteral("Fast mi&xbar"), 240, 396, 150);
    FastMixbarButton->setObjectName(QStringLiteral("FastMixbarButton"));
    FastMixbarButton->setToolTip(
        QStringLiteral("Drinks, denen in der gespeicherten Hausbar eine oder zwei Zutaten fehlen"));
    connect(FastMixbarButton, &QPushButton::clicked, this, &THausbardialog::nearMissesRequested);
    OkButton = button(QStringLiteral("OK"), 400, 340, 70);
    CancelButton = button(QStringLiteral("Abbrechen"), 400, 368, 70);
    OkButton->setDefault(true);
    connect(HinzuButton, &QPushButton::clicked, this, &THausbardialog::add);
    connect(entfbutton, &QPushButton::clicked, this, &THausbardialog::removeSelected);
    connect(button5, &QPushButton::clicked, this, &THausbardialog::info);
    connect(Einkaufbutton, &QPushButton::clicked, this, [this] {
        emit shoppingRequested();
        // The assistant may have switched substitutes meanwhile: that later change is what OK keeps.
        m_session.followSwitchesSavedElsewhere();
        showSwitches();
    });
    connect(OkButton, &QPushButton::clicked, this, &THausbardialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &THausbardialog::reject);
    connect(Editfeld, &TypeAheadField::entered, this, &THausbardialog::add);
    connect(zlistbox, &EntryList::rowDoubleClicked, this, &THausbardialog::add);
    zlistbox->installEventFilter(this);
}

void THausbardialog::buildPresetMenu() {
    VorgabePopup = new QMenu(this);
    VorgabePopup->addAction(HomeBarPresets::emptyMenuText(), this, &THausbardialog::emptyShown);
    VorgabePopup->addSeparator();
    for (auto preset :
         {HomeBarPresets::Preset::Basis, HomeBarPresets::Preset::Standard, HomeBarPresets::Preset::Profi})
        VorgabePopup->addAction(HomeBarPresets::menuText(preset), this,
                                [this, preset] { applyPreset(int(preset)); });
    VButton->setMenu(VorgabePopup);
}

void THausbardialog::showBars() {
    for (int b = 0; b <= HomeBarSession::kBasicsPage; ++b)
        fillBar(b, m_session.bar(b).isEmpty() ? -1 : 0);
    showSwitches();
}

void THausbardialog::showSwitches() {
    substitutesBox->setChecked(m_session.allowSubstitutes());
    alwaysAtHomeBox->setChecked(m_session.alwaysAtHome());
}

EntryList* THausbardialog::pageList(int index) const {
    return index == HomeBarSession::kBasicsPage ? basicsList : hlistbox[index];
}

void THausbardialog::showPage(int index) {
    m_session.showBar(index);
    VButton->setEnabled(m_session.presetsEnabled());
}

void THausbardialog::fillBar(int bar, int select) {
    pageList(bar)->setEntries(m_session.bar(bar));
    pageList(bar)->setCurrentRow(select);
}

void THausbardialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    m_session.begin();
    showPage(noti->currentIndex());
    zlistbox->setEntries(m_session.ingredients());
    zlistbox->setCurrentRow(m_session.ingredients().isEmpty() ? -1 : 0);
    Editfeld->clear();
    showBars();
    // Opened from the shopping assistant, the dialog cannot open it a second time.
    Einkaufbutton->setEnabled(!windowShowing<TEinkaufDialog>());
    Editfeld->setFocus();
    // Its noise sounds once the dialog stands painted on the screen.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            m_context.sound->PlaySound(SoundKind::Noise, kShownSound);
    });
}

void THausbardialog::add() {
    const HomeBarSession::Added added = m_session.add(zlistbox->currentRow());
    if (added.refusal) {
        Meldungsfenster::show(*added.refusal);
    } else if (zlistbox->currentRow() >= 0) {
        fillBar(m_session.shownBar(), added.select);
        Editfeld->takeCurrentEntry(); // the field shows the name taken, not what was typed
    }
    Editfeld->setFocus();
}

void THausbardialog::removeSelected() {
    const int bar = m_session.shownBar();
    if (pageList(bar)->currentRow() >= 0)
        fillBar(bar, m_session.remove(pageList(bar)->currentRow()));
    Editfeld->setFocus();
}

void THausbardialog::emptyShown() {
    m_session.empty();
    fillBar(m_session.shownBar(), -1);
}

void THausbardialog::applyPreset(int preset) {
    m_session.applyPreset(HomeBarPresets::Preset(preset));
    fillBar(m_session.shownBar(), m_session.bar(m_session.shownBar()).isEmpty() ? -1 : 0);
}

void THausbardialog::info() {
    EntryList* bar = pageList(m_session.shownBar());
    EntryList* source = m_lastFocused && m_lastFocused->currentRow() >= 0 ? m_lastFocused
                        : zlistbox->currentRow() >= 0                     ? zlistbox
                                                                          : bar;
    const HomeBarSession::InfoTarget target =
        HomeBarSession::infoTarget(source->entries(), source->currentRow());
    if (target.notice) {
        Meldungsfenster::show(*target.notice);
        return;
    }
    emit ingredientInfoRequested(target.number);
    Editfeld->setFocus();
}

void THausbardialog::accept() {
    if (const auto question = m_session.okQuestion();
        question && Meldungsfenster::show(*question) != Meldungsfenster::Yes) {
        reject();
        return;
    }
    TOwnFenster::accept();
}

bool THausbardialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        m_lastFocused = qobject_cast<EntryList*>(watched);
    return TOwnFenster::eventFilter(watched, event);
}
