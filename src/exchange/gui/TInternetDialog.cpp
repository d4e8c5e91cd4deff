#include "exchange/gui/TInternetDialog.h"

#include "ui/AboutCredits.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QLabel* textLabel(const QString& text, const QRect& geometry, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setGeometry(geometry);
    return label;
}

} // namespace

TInternetDialog::TInternetDialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    setCaption(QStringLiteral("Internet Import"));
    setHelpContext(2010);
    setFixedSize(400, 250);
    const int top = railsBottom() + 10;
    Label1 = textLabel(QStringLiteral("Auf unseren Internet Seiten finden Sie die neuesten Rezept-Updates."),
                       QRect(24, top, 330, 36), this);
    LLL = textLabel(updatePage().toString(), QRect(24, top + 44, 330, 20), this);
    LLL->setObjectName(QStringLiteral("LLL"));
    QFont underlined = LLL->font();
    underlined.setUnderline(true);
    LLL->setFont(underlined);
    QPalette blue = LLL->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    LLL->setPalette(blue);
    LLL->setCursor(Qt::PointingHandCursor);
    LLL->installEventFilter(this);
    Label2 = textLabel(
        QStringLiteral("Falls Sie eine Rezept-Datei downgeloaded haben, können Sie sie jetzt importieren."),
        QRect(24, top + 74, 330, 36), this);

    ImportButton = new QPushButton(QStringLiteral("Importieren"), this);
    ImportButton->setGeometry(164, 204, 90, 26);
    ImportButton->setDefault(true);
    AbbrechenButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrechenButton->setGeometry(264, 204, 90, 26);
    connect(ImportButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(AbbrechenButton, &QPushButton::clicked, this, &QDialog::reject);
}

QUrl TInternetDialog::updatePage() {
    return QUrl(AboutCredits::webAddress() + QStringLiteral("updates/"));
}

bool TInternetDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LLL && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        QDesktopServices::openUrl(updatePage());
        return true;
    }
    return TOwnFenster::eventFilter(watched, event);
}
