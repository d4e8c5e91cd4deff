#include "ui/HelpWindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Velta Cocktails 98 - Hilfe"));
    resize(560, 480);
    m_browser = new QTextBrowser(this);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

QString HelpWindow::pageFor(int context) {
    const QString page = QStringLiteral(":/help/%1.html").arg(context);
    return QFile::exists(page) ? page : QString();
}

void HelpWindow::openPage(const QString& page) {
    m_page = page;
    m_browser->setSource(QUrl(QStringLiteral("qrc") + page));
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContents() {
    openPage(QStringLiteral(":/help/index.html"));
}

void HelpWindow::showContext(int context) {
    const QString page = pageFor(context);
    if (page.isEmpty())
        showContents();
    else
        openPage(page);
}
