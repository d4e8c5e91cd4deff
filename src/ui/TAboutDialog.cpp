#include "ui/TAboutDialog.h"

#include "common/AppState.h"
#include "store/PhotoPath.h"
#include "ui/AboutCredits.h"
#include "ui/ScrollingText.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {
constexpr int kTextLeft = 188;
constexpr int kTextWidth = 264;
} // namespace

TAboutDialog::TAboutDialog(UiContext context, QWidget* parent) : TOwnFenster(context, parent) {
    setCaption(QStringLiteral("Info über..."));
    setFixedSize(500, 340);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(22, 36, 150, 200);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setScaledContents(true); // the picture fills its frame at every screen resolution

    LMDSimpleLabel1 = addLabel(AboutCredits::productName(), 34, 26);
    QFont title(QStringLiteral("Arial"));
    title.setPointSize(15);
    title.setBold(true);
    LMDSimpleLabel1->setFont(title);
    CopyLabel = addLabel(AboutCredits::makerLine(), 62);
    const QStringList address = AboutCredits::addressBlock();
    QLabel** addressLabels[] = {&LMDSimpleLabel2, &LMDSimpleLabel3, &LMDSimpleLabel4, &LMDSimpleLabel5};
    for (int i = 0; i < 4; ++i)
        *addressLabels[i] = addLabel(address.value(i), 86 + 16 * i);

    LLL = addLabel(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(AboutCredits::webAddress(), AboutCredits::webAddress().section(QLatin1Char('/'), 2, 2)),
        156);
    LLL->setObjectName(QStringLiteral("LLL"));
    LLL->setTextFormat(Qt::RichText);
    LLL->setCursor(Qt::PointingHandCursor);
    LLL->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(LLL, &QLabel::linkActivated, this,
            [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });

    Scrolltext = new ScrollingText(this);
    Scrolltext->setObjectName(QStringLiteral("Scrolltext"));
    Scrolltext->setGeometry(kTextLeft, 180, kTextWidth, 110);
    Scrolltext->setLines(AboutCredits::lines());

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(367, 302, 85, 25);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &TAboutDialog::accept);
}

QLabel* TAboutDialog::addLabel(const QString& text, int y, int height) {
    auto* label = new QLabel(text, this);
    label->setGeometry(kTextLeft, y, kTextWidth, height);
    return label;
}

void TAboutDialog::showEvent(QShowEvent* event) {
    TOwnFenster::showEvent(event);
    // A missing picture leaves the frame empty.
    QPixmap picture;
    picture.load(PhotoPath::resolve(m_context.state.folders.dataFolder, QStringLiteral("info.bmp")));
    Image1->setPixmap(picture);
    OkButton->setFocus();
    Scrolltext->start();
}

void TAboutDialog::changeEvent(QEvent* event) {
    TOwnFenster::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Scrolltext->start();
}

void TAboutDialog::hideEvent(QHideEvent* event) {
    Scrolltext->stop();
    Image1->clear();
    TOwnFenster::hideEvent(event);
}
