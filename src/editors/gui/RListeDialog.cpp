#include "editors/gui/RListeDialog.h"

#include "common/AppState.h"
#include "editors/RecipeListSession.h"
#include "editors/gui/RecipeEditing.h"
#include "ui/EntryList.h"
#include "ui/Meldungsfenster.h"
#include "ui/StoreGuard.h"

#include <QPushButton>

RListeDialog::RListeDialog(UiContext context, RecipeListSession& session, RecipeEditing& editor,
                           QWidget* parent)
    : TOwnFenster(context, parent), m_session(session), m_editor(editor) {
    setCaption(QStringLiteral("Rezeptliste"));
    setHelpContext(2140);
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
    connect(hinzubutton, &QPushButton::clicked, this, &RListeDialog::newRecipe);
    connect(bearbeitenButton, &QPushButton::clicked, this, &RListeDialog::editRecipe);
    connect(ListBox, &EntryList::rowDoubleClicked, this, &RListeDialog::editRecipe);
    connect(LoeschenButton, &QPushButton::clicked, this, &RListeDialog::deleteRecipe);
    connect(AbbrechenButton, &QPushButton::clicked, this, &RListeDialog::reject);
}

void RListeDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    m_session.begin();
    showList(m_session.entries().isEmpty() ? -1 : 0);
    focusList();
}

void RListeDialog::showList(int select) {
    ListBox->setEntries(m_session.entries());
    ListBox->setCurrentRow(select);
}

void RListeDialog::focusList() {
    if (ListBox->count() > 0)
        ListBox->setFocus();
}

void RListeDialog::newRecipe() {
    if (Meldungsfenster::refuses(m_session.mayChange()))
        return;
    if (RecipeListSession::canCreate(m_context.state.catalogue.recipeTotal()) &&
        m_editor.EditNewRecipe() == 1) {
        showList(m_session.added(m_editor.savedName(), m_editor.savedRecNo()));
    }
    focusList();
}

void RListeDialog::editRecipe() {
    if (Meldungsfenster::refuses(m_session.mayChange()))
        return;
    const int row = ListBox->currentRow();
    if (row < 0)
        return;
    const ListEntry entry = m_session.entries().at(row);
    if (m_editor.EditRecipe(entry.text, entry.data)) {
        m_session.renamed(row, m_editor.savedName());
        showList(row);
    }
    focusList();
}

void RListeDialog::deleteRecipe() {
    if (Meldungsfenster::refuses(m_session.mayChange()))
        return;
    const int row = ListBox->currentRow();
    const std::optional<Notice> question = m_session.deleteQuestion(row);
    if (question && Meldungsfenster::show(*question) == Meldungsfenster::Yes) {
        const ListEntry entry = m_session.entries().at(row);
        int select = -1;
        if (StoreGuard::run([&] { select = m_session.deleteRecipe(row); })) {
            m_editor.recipeDeleted();
            showList(select);
        }
    }
    focusList();
}
