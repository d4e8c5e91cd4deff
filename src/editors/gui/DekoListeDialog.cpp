#include "editors/gui/DekoListeDialog.h"

#include "editors/DecorationListSession.h"
#include "editors/gui/DekoEditDialog.h"
#include "ui/EntryList.h"

#include <QPushButton>

DekoListeDialog::DekoListeDialog(UiContext context, DecorationListSession& session, DekoEditDialog& editor,
                                 QWidget* parent)
    : NameListDialog(context, parent), m_session(session), m_editor(editor) {
    setCaption(session.texts().window);
    setHelpContext(session.texts().helpContext);
}

void DekoListeDialog::showEvent(QShowEvent* event) {
    NameListDialog::showEvent(event);
    m_session.begin();
    showEntries(m_session.entries(), m_session.entries().isEmpty() ? -1 : 0);
    if (m_session.entries().isEmpty())
        AbbrechenButton->setFocus();
    else
        focusList();
}

int DekoListeDialog::usage(int row) {
    return countUsage(m_session.texts().scanText, [&](const std::function<void(int)>& progress) {
        return m_session.usage(row, progress);
    });
}

void DekoListeDialog::newEntry() {
    if (!m_editor.ask(m_session.texts().newCaption, QString(), QString()))
        return;
    if (follow(DecorationListSession::contentVerdict(m_editor.name(), m_editor.description())))
        showEntries(m_session.entries(), m_session.add(m_editor.name(), m_editor.description()));
}

void DekoListeDialog::editEntry() {
    const int row = ListBox->currentRow();
    if (!follow(m_session.editPrecheck(row)))
        return;
    const QString description = m_session.description(row);
    if (!m_editor.ask(m_session.texts().editCaption, m_session.entries().at(row).text, description) ||
        !follow(DecorationListSession::contentVerdict(m_editor.name(), m_editor.description())))
        return;
    repaint();
    if (!follow(m_session.editVerdict(usage(row))))
        return;
    m_session.store(row, m_editor.name(), m_editor.description());
    showEntries(m_session.entries(), row);
}

void DekoListeDialog::deleteEntry() {
    const int row = ListBox->currentRow();
    if (!follow(m_session.deletePrecheck(row)) || !follow(m_session.deleteVerdict(usage(row))))
        return;
    showEntries(m_session.entries(), m_session.remove(row));
}

Result DekoListeDialog::mayChange() const {
    return m_session.mayChange();
}
