#include "editors/gui/ClassificationListDialog.h"

#include "editors/ClassificationListSession.h"
#include "editors/gui/KatEditDialog.h"
#include "ui/EntryList.h"

ClassificationListDialog::ClassificationListDialog(UiContext context, ClassificationListSession& session,
                                                   KatEditDialog& names, QWidget* parent)
    : NameListDialog(context, parent), m_session(session), m_names(names) {
    setCaption(session.texts().window);
    setHelpContext(session.texts().helpContext);
}

void ClassificationListDialog::showEvent(QShowEvent* event) {
    NameListDialog::showEvent(event);
    m_session.begin();
    showEntries(m_session.entries(), m_session.entries().isEmpty() ? -1 : 0);
    focusList();
}

int ClassificationListDialog::usage(int row) {
    return countUsage(m_session.texts().scanText, [&](const std::function<void(int)>& progress) {
        return m_session.usage(row, progress);
    });
}

void ClassificationListDialog::newEntry() {
    if (!m_names.ask(m_session.texts().newCaption, QString()))
        return;
    const QString name = m_names.text();
    if (follow(m_session.nameVerdict(name)))
        showEntries(m_session.entries(), m_session.add(name));
}

void ClassificationListDialog::editEntry() {
    const int row = ListBox->currentRow();
    if (!follow(m_session.selectionVerdict(row)) ||
        !m_names.ask(m_session.texts().editCaption, m_session.entries().at(row).text))
        return;
    const QString name = m_names.text();
    if (!follow(m_session.nameVerdict(name, row)) || !follow(m_session.renameVerdict(row, usage(row))))
        return;
    m_session.rename(row, name);
    showEntries(m_session.entries(), row);
}

void ClassificationListDialog::deleteEntry() {
    const int row = ListBox->currentRow();
    if (!follow(m_session.deletePrecheck(row)) || !follow(m_session.deleteVerdict(row, usage(row))))
        return;
    showEntries(m_session.entries(), m_session.remove(row));
}

Result ClassificationListDialog::mayChange() const {
    return m_session.mayChange();
}
