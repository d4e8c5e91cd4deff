#pragma once

#include <QHash>
#include <QKeySequence>
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

// The main window's menu bar: every item with its caption, shortcut, separators and help context.
// Items are found by their command name; commands whose windows do not exist yet do nothing.
class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QMainWindow* window);

    QAction* action(const QString& command) const { return m_actions.value(command); }
    QStringList commands() const { return m_actions.keys(); }
    // Help context numbers of the items that have one.
    static int helpContext(const QString& command);

signals:
    void triggered(const QString& command);
    // F1 while a menu is open: the help context of the highlighted item (0: the contents).
    void helpRequested(int context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* add(QMenu* menu, const QString& command, const QString& caption,
                 const QKeySequence& shortcut = {});
    QHash<QString, QAction*> m_actions;
};
