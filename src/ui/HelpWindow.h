#pragma once

#include <QDialog>

class QTextBrowser;

// The program's help: German HTML pages, one per help context number; a context without a page
// opens the contents.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showContents();
    void showContext(int context);
    static QString pageFor(int context); // resource path, empty when there is none
    QString currentPage() const { return m_page; }

private:
    void openPage(const QString& page);
    QTextBrowser* m_browser = nullptr;
    QString m_page;
};
