#include "app/CommandTable.h"

#include "ui/StoreGuard.h"

#include <QAction>
#include <QWidget>

void CommandTable::add(const QString& name, Handler handler) {
    m_handlers.insert(name, std::move(handler));
}

void CommandTable::run(const QString& name) {
    if (m_disabled.contains(name))
        return;
    const auto it = m_handlers.constFind(name);
    if (it != m_handlers.constEnd()) {
        const Handler handler = it.value(); // the handler may rebuild the table's owner
        StoreGuard::run(handler);
    }
}

void CommandTable::bindAction(const QString& name, QAction* action) {
    m_actions.insert(name, action);
    action->setEnabled(isEnabled(name));
}

void CommandTable::bindControl(const QString& name, QWidget* control) {
    m_controls.insert(name, control);
    control->setEnabled(isEnabled(name));
}

void CommandTable::setEnabled(const QString& name, bool enabled) {
    if (enabled)
        m_disabled.remove(name);
    else
        m_disabled.insert(name);
    for (QAction* action : m_actions.values(name))
        action->setEnabled(enabled);
    for (QWidget* control : m_controls.values(name))
        control->setEnabled(enabled);
}
