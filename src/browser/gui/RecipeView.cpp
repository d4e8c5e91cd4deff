#include "browser/gui/RecipeView.h"

#include "browser/MissingIngredients.h"
#include "browser/RecipeDisplay.h"
#include "browser/RecipeTextLayout.h"
#include "common/AppState.h"
#include "store/PhotoPath.h"
#include "ui/ThemeTable.h"

#include <QMouseEvent>
#include <QPainter>

RecipeView::RecipeView(const AppState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RecipeView::ApplyTextFont() {
    const OptionsRecord& o = m_state.settings.options();
    QFont font(o.fontName());
    font.setPointSize(qMax(6, int(o.get(OptionsRecord::FontSize))));
    font.setBold(o.get(OptionsRecord::FontBold) != 0);
    font.setItalic(o.get(OptionsRecord::FontItalic) != 0);
    setFont(font);
    m_measurer.setFont(font);
}

void RecipeView::LoadBackground() {
    const QString prefix =
        ThemeTable::forMotif(m_state.settings.options().get(OptionsRecord::Motif)).backgroundPrefix;
    if (prefix.isEmpty())
        return; // the seventh motif has no background: the picture stays as it was
    const bool dark = m_state.settings.options().get(OptionsRecord::TextBackground) == 1;
    const QString file = PhotoPath::resolve(
        m_state.folders.dataFolder, prefix + (dark ? QStringLiteral("D.BMP") : QStringLiteral("H.BMP")));
    if (file == m_backgroundFile)
        return;
    m_backgroundFile = file;
    m_background.load(file); // a missing picture leaves the background empty
}

bool RecipeView::usesBackgroundPicture() const {
    const OptionsRecord& o = m_state.settings.options();
    return ThemeTable::forMotif(o.get(OptionsRecord::Motif)).motif != 7 &&
           o.get(OptionsRecord::BackgroundGraphic) != 0 && o.get(OptionsRecord::FlickerFree) != 0;
}

QColor RecipeView::textColour() const {
    if (!usesBackgroundPicture())
        return palette().color(QPalette::WindowText);
    return m_state.settings.options().get(OptionsRecord::TextBackground) == 1 ? QColor(Qt::white)
                                                                              : QColor(Qt::black);
}

QColor RecipeView::linkColour() const {
    if (!usesBackgroundPicture())
        return palette().color(QPalette::Highlight);
    return m_state.settings.options().get(OptionsRecord::TextBackground) == 1 ? QColor(200, 255, 200)
                                                                              : QColor(0, 0, 128);
}

QColor RecipeView::missingColour() const {
    const bool dark = usesBackgroundPicture()
                          ? m_state.settings.options().get(OptionsRecord::TextBackground) == 1
                          : palette().color(QPalette::Button).lightness() < 128;
    return dark ? QColor(255, 140, 110) : QColor(176, 0, 0);
}

// The user's note in a warm colour of its own, set off from the stored recipe.
QColor RecipeView::noteColour() const {
    const bool dark = usesBackgroundPicture()
                          ? m_state.settings.options().get(OptionsRecord::TextBackground) == 1
                          : palette().color(QPalette::Button).lightness() < 128;
    return dark ? QColor(255, 210, 140) : QColor(128, 64, 0);
}

void RecipeView::relayout() {
    m_runs.clear();
    m_links.clear();
    m_missing.clear();
    m_standIns.clear();
    if (!m_display || m_display->lastLine < 0)
        return;
    const RecipeTextLayout::Options options{
        m_state.settings.options().get(OptionsRecord::IngredientsCentred) != 0,
        m_state.settings.options().get(OptionsRecord::LexiconMarked) != 0};
    m_standIns = MissingIngredients::standIns(*m_display, m_state);
    if (m_standIns.isEmpty()) {
        m_runs = RecipeTextLayout::arrange(*m_display, m_measurer, size(), options, m_terms, m_links);
    } else {
        // The substitute goes on its line as shown, not into the recipe (nor what is copied of it).
        // The arrangement's measures are kept; the texts go back as they were.
        RecipeDisplay shown = *m_display;
        for (auto it = m_standIns.constBegin(); it != m_standIns.constEnd(); ++it)
            shown.lines[it.key()].text += QLatin1Char(' ') + *it;
        m_runs = RecipeTextLayout::arrange(shown, m_measurer, size(), options, m_terms, m_links);
        for (auto it = m_standIns.constBegin(); it != m_standIns.constEnd(); ++it)
            shown.lines[it.key()].text = m_display->lines.at(it.key()).text;
        *m_display = std::move(shown);
    }
    m_missing = MissingIngredients::lines(*m_display, m_state);
}

void RecipeView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void RecipeView::DrawText(QPainter& p) const {
    if (usesBackgroundPicture() && !m_background.isNull()) {
        p.drawTiledPixmap(rect(), m_background);
        if (!m_advert.isNull())
            p.drawPixmap((width() - m_advert.width()) / 2, qMax(0, (height() - m_advert.height()) / 2),
                         m_advert);
    } else {
        p.fillRect(rect(), palette().color(QPalette::Button));
    }
    p.setFont(font());
    const QFontMetrics metrics(font());
    for (const RecipeTextLayout::Run& run : m_runs) {
        p.setPen(run.link                          ? linkColour()
                 : m_missing.contains(run.line)    ? missingColour()
                 : m_display->isNoteLine(run.line) ? noteColour()
                                                   : textColour());
        p.drawText(run.x, run.y + metrics.ascent(), run.text);
    }
}

QImage RecipeView::render() const {
    QImage image(size(), QImage::Format_RGB32);
    QPainter p(&image);
    DrawText(p);
    return image;
}

void RecipeView::paintEvent(QPaintEvent*) {
    if (!m_state.run.mainShown)
        return;
    // The window system's back buffer already makes this flicker-free.
    QPainter p(this);
    DrawText(p);
}

void RecipeView::mouseMoveEvent(QMouseEvent* event) {
    const bool link =
        m_display && RecipeHitTest::linkCursor(*m_display, m_links, event->position().toPoint());
    setCursor(link ? m_linkCursor : QCursor(Qt::ArrowCursor));
    QWidget::mouseMoveEvent(event);
}

void RecipeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_display && m_display->lastLine >= 0)
        emit clicked(RecipeHitTest::click(*m_display, m_links, m_measurer, event->position().toPoint()));
    QWidget::mousePressEvent(event);
}
