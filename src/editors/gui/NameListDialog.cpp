#include "editors/gui/NameListDialog.h"

#include "common/AppState.h"
#include "editors/Verdict.h"
#include "ui/EntryList.h"
#include "ui/Meldungsfenster.h"
#include "ui/StoreGuard.h"
#include "ui/TWartenDialog.h"
#include "ui/WaitScope.h"

#include <QPushButton>

NameListDialog::NameListDialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    setFixedSize(400, 400);
    ListBox = new EntryList(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    ListBox->setGeometry(20, 36, 230, 344);
    const auto button = [this](const QString& text, int y) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(266, y, 90, 25);
        b->setAutoDefault(false);
        return b;
    };
    hinzubutton = button(QStringLiteral("&Neu"), 36);
    bearbeitenButton = button(QStringLiteral("&Bearbeiten"), 68);
    LoeschenButton = button(QStringLiteral("&Löschen"), 100);
    AbbrechenButton = button(QStringLiteral("Schließen"), 355);
    connect(hinzubutton, &QPushButton::clicked, this, [this] { guarded(&NameListDialog::newEntry); });
    connect(bearbeitenButton, &QPushButton::clicked, this, [this] { guarded(&NameListDialog::editEntry); });
    connect(ListBox, &EntryList::rowDoubleClicked, this, [this] { guarded(&NameListDialog::editEntry); });
    connect(LoeschenButton, &QPushButton::clicked, this, [this] { guarded(&NameListDialog::deleteEntry); });
    connect(AbbrechenButton, &QPushButton::clicked, this, &NameListDialog::reject);
}

// A store error ends the command with its message; the list stays as it was shown.
void NameListDialog::guarded(void (NameListDialog::*command)()) {
    if (!Meldungsfenster::refuses(mayChange()))
        StoreGuard::run([&] { (this->*command)(); });
    focusList();
}

void NameListDialog::showEntries(const QList<ListEntry>& entries, int select) {
    ListBox->setEntries(entries);
    ListBox->setCurrentRow(select);
}

void NameListDialog::focusList() {
    if (ListBox->count() > 0)
        ListBox->setFocus();
}

bool NameListDialog::follow(const Verdict& verdict) {
    const int answer = verdict.notice ? Meldungsfenster::show(*verdict.notice) : Meldungsfenster::Ok;
    return verdict.goesOn(answer);
}

TWartenDialog& NameListDialog::waitWindow() {
    if (!m_wait)
        m_wait = new TWartenDialog(m_context, this);
    return *m_wait;
}

int NameListDialog::countUsage(const QString& text,
                               const std::function<int(const std::function<void(int)>&)>& count) {
    WaitScope wait(waitWindow(), m_context.state.catalogue.recipeTotal(), text);
    return count(wait.progress());
}
