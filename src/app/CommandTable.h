#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

#include <functional>

class QAction;
class QWidget;

// Every command of the main window, by the name its menu item carries ("SucheAn", "Hausbar", ...):
// the handler, and the menu item and toolbar buttons that show it. Enabling a command is one call;
// adding a command is one add() in ProgramCommands.
class CommandTable : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    explicit CommandTable(QObject* parent = nullptr) : QObject(parent) {}

    void add(const QString& name, Handler handler);
    bool has(const QString& name) const { return m_handlers.contains(name); }
    QStringList names() const { return m_handlers.keys(); }
    // Runs the command; a store failure is shown as an error message and the program goes on.
    // Commands without a handler do nothing.
    void run(const QString& name);

    // The controls that trigger a command follow its enabled state.
    void bindAction(const QString& name, QAction* action);
    void bindControl(const QString& name, QWidget* control);
    void setEnabled(const QString& name, bool enabled);
    bool isEnabled(const QString& name) const { return !m_disabled.contains(name); }

private:
    QHash<QString, Handler> m_handlers;
    QMultiHash<QString, QAction*> m_actions;
    QMultiHash<QString, QWidget*> m_controls;
    QSet<QString> m_disabled;
};
