#include "ui/TOwnFenster.h"

#include "ui/HelpWindow.h"

#include "common/AppState.h"
#include "ui/AccessibleNames.h"
#include "ui/DialogGeometry.h"
#include "ui/ProgramFonts.h"
#include "ui/Skins.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

void raisedBox(QPainter& p, const QRect& r) {
    const QPalette& pal = QPalette();
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    p.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
    p.setPen(pal.color(QPalette::Shadow));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

TOwnFenster::TOwnFenster(UiContext context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_context(context) {
    setAutoFillBackground(true);
    setMouseTracking(false);
}

void TOwnFenster::setCaption(const QString& caption) {
    m_caption = caption;
    setWindowTitle(caption);
    update();
}

void TOwnFenster::CentreOnMain() {
    const QRect bounds = m_context.state.run.mainBounds;
    if (bounds.isValid())
        move(DialogGeometry::centreOn(bounds, size()));
}

void TOwnFenster::showEvent(QShowEvent* event) {
    const bool centreAlways =
        alwaysCentre() || m_context.state.settings.options().get(OptionsRecord::CentreDialogs) == 1;
    if (!m_shownBefore || centreAlways)
        CentreOnMain();
    m_shownBefore = true;
    AccessibleNames::nameControls(this);
    QDialog::showEvent(event);
    if (m_context.help)
        m_context.help->followModalSoon();
}

void TOwnFenster::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (m_context.help)
        m_context.help->followModalSoon();
}

void TOwnFenster::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        openHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TOwnFenster::openHelp() {
    if (m_context.help)
        m_context.help->showContext(m_helpContext);
}

void TOwnFenster::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintBevels(p);
    paintRails(p);
    paintFrame(p);
    paintTexts(p);
}

void TOwnFenster::paintBevels(QPainter& p) {
    const int cw = width();
    const int ch = height();
    const QPalette pal;
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(8, ch - 9, 8, 25);
    p.drawLine(8, 25, cw - 32, 25);
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(8, ch - 9, cw - 9, ch - 9);
    p.drawLine(cw - 9, 25, cw - 9, ch - 9);
    p.setPen(pal.color(QPalette::Shadow));
    p.drawLine(8, ch - 8, cw - 8, ch - 8);
    p.drawLine(cw - 8, 25, cw - 8, ch - 8);
    raisedBox(p, QRect(QPoint(cw - 32, 31), QPoint(cw - 17, 45)));
    if (m_helpContext != 0)
        raisedBox(p, QRect(QPoint(cw - 32, 47), QPoint(cw - 17, 61)));
    // The close cross, two pixels wide.
    p.setPen(QPen(pal.color(QPalette::WindowText), 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(cw - 28, 35, cw - 21, 42);
    p.drawLine(cw - 29, 41, cw - 22, 34);
}

void TOwnFenster::paintRails(QPainter& p) {
    const int cw = width();
    const int ch = height();
    const QPalette pal;
    const QColor rail = m_context.skins.theme().railColour;
    for (int x : {cw - 31, cw - 25, cw - 19}) {
        for (const auto& [from, to] : {std::pair{railsBottom(), ch - 7}, std::pair{24, 29}}) {
            p.setPen(rail);
            p.drawLine(x, from, x, to);
            p.setPen(pal.color(QPalette::Light));
            p.drawLine(x - 1, from, x - 1, to);
            p.setPen(pal.color(QPalette::Mid));
            p.drawLine(x + 1, from, x + 1, to);
            p.setPen(pal.color(QPalette::Shadow));
            p.drawLine(x + 2, from, x + 2, to);
        }
    }
}

// The skin bitmaps are copied 1:1 and repeated along the edges, never stretched.
void TOwnFenster::paintFrame(QPainter& p) {
    const SkinSet& skin = m_context.skins.dialogSet();
    if (!skin.isLoaded())
        return;
    const int cw = width();
    const int ch = height();
    const QPixmap& top = skin.top;
    const int tw = top.width();
    p.drawTiledPixmap(QRect(3, 0, cw - 6, 24), top.copy(5, 0, qMax(1, tw - 10), 24));
    p.drawPixmap(0, 0, top, 0, 0, 3, 24);
    p.drawPixmap(cw - 3, 0, top, tw - 3, 0, 3, 24);

    const QPixmap& left = skin.left;
    const int lh = left.height();
    p.drawTiledPixmap(QRect(0, 11, 7, qMax(0, ch - 3 - 11)), left.copy(0, 0, 7, qMax(1, lh - 3)));
    p.drawPixmap(0, ch - 3, left, 0, lh - 3, 7, 3);

    const QPixmap& right = skin.right;
    const int rw = right.width();
    const int rh = right.height();
    p.drawTiledPixmap(QRect(cw - 7, 24, 7, qMax(0, ch - 24)), right.copy(rw - 7, 0, 7, qMax(1, rh - 3)));

    const QPixmap& bottom = skin.bottom;
    const int bh = bottom.height();
    p.drawTiledPixmap(QRect(7, ch - 7, qMax(0, cw - 7), 7), bottom.copy(0, bh - 7, bottom.width(), 7));
    p.drawPixmap(cw - 15, ch - 7, right, rw - 15, rh - 7, 15, 7);
}

void TOwnFenster::paintTexts(QPainter& p) {
    const int cw = width();
    if (m_helpContext != 0) {
        QFont help = ProgramFonts::uiFont();
        help.setBold(true);
        p.setFont(help);
        p.setPen(QPalette().color(QPalette::WindowText));
        p.drawText(QRect(cw - 29, 48, 12, 14), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("?"));
    }
    QFont caption(QStringLiteral("Arial"));
    caption.setPointSize(11);
    caption.setBold(true);
    p.setFont(caption);
    const QRect area(11, 6, qMax(0, cw - 50), 20);
    p.setPen(Qt::black);
    p.drawText(area, Qt::AlignLeft | Qt::AlignTop, m_caption);
    p.setPen(Qt::white);
    p.drawText(area.translated(-1, -1), Qt::AlignLeft | Qt::AlignTop, m_caption);
}

void TOwnFenster::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint pos = event->position().toPoint();
        if (m_helpContext != 0 && helpBox(width()).contains(pos)) {
            openHelp();
        } else if (closeBox(width()).contains(pos)) {
            reject();
            return;
        } else if (!(windowHandle() && windowHandle()->startSystemMove())) {
            // The window system moves the window where it can (Wayland allows nothing else); elsewhere
            // the window follows the mouse itself.
            m_moving = true;
            m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        }
    }
    QDialog::mousePressEvent(event);
}

void TOwnFenster::mouseMoveEvent(QMouseEvent* event) {
    if (m_moving && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}

void TOwnFenster::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_moving = false;
    QDialog::mouseReleaseEvent(event);
}
