#include "ui/HelpWindow.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Velta Cocktails 98 - Hilfe"));
    resize(600, 520);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HilfeText"));
    m_browser->setAccessibleName(QStringLiteral("Hilfetext"));
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);
    // The dialogs' bitmap face has no large sizes for the headings: the pages use a scalable one.
    m_browser->setFont(QFont(QStringLiteral("Arial"), 10));
    auto* contents = new QPushButton(QStringLiteral("&Inhalt"), this);
    m_back = new QPushButton(QStringLiteral("&Zurück"), this);
    auto* close = new QPushButton(QStringLiteral("&Schließen"), this);
    close->setObjectName(QStringLiteral("Schliessen"));
    for (QPushButton* b : {contents, m_back, close})
        b->setAutoDefault(false);
    m_back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { m_page = QLatin1Char(':') + url.path(); });
    connect(close, &QPushButton::clicked, this, &HelpWindow::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(m_back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
}

QString HelpWindow::pageFor(int context) {
    const QString page = QStringLiteral(":/help/%1.html").arg(context);
    return QFile::exists(page) ? page : QString();
}

void HelpWindow::openPage(const QString& page) {
    m_browser->setSource(QUrl(QStringLiteral("qrc") + page));
    m_page = page;
    show();
    raise();
    activateWindow();
    followModal();
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

void HelpWindow::followModal() {
    QWindow* window = windowHandle();
    if (!window || !isVisible())
        return;
    // A window whose transient parent is the modal dialog is not blocked by it.
    QWidget* modal = QApplication::activeModalWidget();
    window->setTransientParent(modal && modal != this ? modal->windowHandle() : nullptr);
}

void HelpWindow::followModalSoon() {
    // The dialog becomes the modal one only after its show event; ask once it is.
    QTimer::singleShot(0, this, &HelpWindow::followModal);
}
