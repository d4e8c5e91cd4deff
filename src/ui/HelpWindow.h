#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

// The program's help: German HTML pages, one per help context number; a context without a page
// opens the contents. The window stays usable beside a modal dialog: it follows the dialog that is
// open, so it can be scrolled, clicked and closed while the dialog waits.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showContents();
    // A context of 0 (a window or menu item without help) opens the contents.
    void showContext(int context);
    static QString pageFor(int context); // resource path, empty when there is none
    QString currentPage() const { return m_page; }
    QTextBrowser* browser() const { return m_browser; }

    // Lets the window take input while the modal dialog now open waits; called when a dialog opens
    // or closes.
    void followModal();
    void followModalSoon();

private:
    void openPage(const QString& page);
    QTextBrowser* m_browser = nullptr;
    QPushButton* m_back = nullptr;
    QString m_page;
};
