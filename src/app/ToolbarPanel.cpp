#include "app/ToolbarPanel.h"

#include "app/MainWindowGeometry.h"

#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

namespace {
const char* const kHints[] = {"neues Rezept hinzufügen",
                              "Aktuelles Rezept bearbeiten",
                              "Suchkriterien definieren",
                              "Suchkriterien wieder aufheben",
                              "Hausbar einrichten",
                              "Cocktailassistent",
                              "Menge berechnen",
                              "Promilleassistent",
                              "Barlexikon",
                              "Drucken"};
const char* const kCommands[] = {"RezeptNeu", "RezeptBearbeiten", "SucheAn", "SucheAus",
                                 "Hausbar",   "Assistent",        "Menge",   "Promille",
                                 "Lexikon",   "DruckenAktuell"};
} // namespace

QString ToolbarPanel::hint(int k) {
    return QString::fromUtf8(kHints[k - 1]);
}
QString ToolbarPanel::command(int k) {
    return QString::fromLatin1(kCommands[k - 1]);
}

QString ToolbarPanel::iconPath(bool hiColor, int k) {
    return QStringLiteral(":/velta/toolbar/%1/%2.png")
        .arg(hiColor ? QStringLiteral("hi") : QStringLiteral("lo"))
        .arg(k, 2, 10, QLatin1Char('0'));
}

ToolbarPanel::ToolbarPanel(QWidget* parent) : QWidget(parent) {
    setFixedHeight(kHeight);
    DruckPopup = new QMenu(this);
    DruckPopup->addAction(QStringLiteral("aktuelles Getränk"), this,
                          [this] { emit triggered(QStringLiteral("DruckenAktuell")); });
    DruckPopup->addAction(QStringLiteral("mehrere Getränke"), this,
                          [this] { emit triggered(QStringLiteral("DruckenMehrere")); });
    for (bool hi : {true, false}) {
        for (int k = 1; k <= kButtons; ++k) {
            auto* b = new QToolButton(this);
            b->setObjectName((hi ? QStringLiteral("MyButton") : QStringLiteral("ExplorerButton")) +
                             QString::number(k));
            b->setFixedSize(48, 44);
            b->setAutoRaise(true);
            b->setIconSize(QSize(48, 44));
            if (QFile::exists(iconPath(hi, k)))
                b->setIcon(QIcon(iconPath(hi, k)));
            else
                b->setText(QString::number(k));
            b->setToolTip(hint(k));
            b->setAccessibleName(hint(k)); // stays when the option switches the tool tips off
            b->setToolTipDuration(3000);
            if (k == kButtons) {
                b->setMenu(DruckPopup);
                b->setPopupMode(QToolButton::MenuButtonPopup);
            }
            const QString cmd = command(k);
            connect(b, &QToolButton::clicked, this, [this, cmd] { emit triggered(cmd); });
            (hi ? m_hi : m_lo).append(b);
        }
    }
    useHiColor(true);
}

QToolButton* ToolbarPanel::button(bool hiColor, int k) const {
    return (hiColor ? m_hi : m_lo).at(k - 1);
}

void ToolbarPanel::useHiColor(bool hiColor) {
    for (QToolButton* b : std::as_const(m_hi))
        b->setVisible(hiColor);
    for (QToolButton* b : std::as_const(m_lo))
        b->setVisible(!hiColor);
}

void ToolbarPanel::showHints(bool on) {
    m_hintsOn = on;
    for (int k = 1; k <= kButtons; ++k) {
        button(true, k)->setToolTip(on ? hint(k) : QString());
        button(false, k)->setToolTip(on ? hint(k) : QString());
    }
}

void ToolbarPanel::layoutButtons() {
    const int s = MainWindowGeometry::toolbarSpacing(width());
    if (s == m_spacing)
        return;
    m_spacing = s;
    for (int k = 1; k <= kButtons; ++k) {
        const int left = MainWindowGeometry::toolbarButtonLeft(k, s);
        button(true, k)->move(left, 4);
        button(false, k)->move(left, 4);
    }
}

void ToolbarPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutButtons();
}

void ToolbarPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette pal = palette();
    const int w = width();
    const int h = height();
    p.fillRect(rect(), pal.color(QPalette::Button));
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(0, 0, w, 0);
    p.drawLine(0, h - 2, w, h - 2);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(0, 1, w, 1);
    p.setPen(pal.color(QPalette::Shadow));
    p.drawLine(0, h - 1, w, h - 1);
}
