#pragma once

#include "browser/LexiconLinks.h"
#include "browser/RecipeHitTest.h"
#include "browser/RecipeTextLayout.h"
#include "browser/gui/FontMeasurer.h"

#include <QPixmap>
#include <QWidget>

struct AppState;
class LexiconTerms;
struct RecipeDisplay;

// The recipe text (`AusgabePaintBox`): ingredient and fact lines, the wrapped instructions with
// marked lexicon terms, over the background picture or the plain button face.
class RecipeView : public QWidget {
    Q_OBJECT
public:
    explicit RecipeView(const AppState& state, QWidget* parent = nullptr);

    void setDisplay(RecipeDisplay* display) { m_display = display; }

    void setTerms(const LexiconTerms* terms) { m_terms = terms; }
    void setAdvert(const QPixmap& advert) { m_advert = advert; }
    void setLinkCursor(const QCursor& cursor) { m_linkCursor = cursor; }
    // The text font from the options, for drawing and measuring.
    void ApplyTextFont();
    const FontMeasurer& measurer() const { return m_measurer; }
    // The background picture of the current motif and text background; loaded only when it changed.
    void LoadBackground();
    QString backgroundFile() const { return m_backgroundFile; }
    // Lays the text out for the current recipe, size, scroll position and options: the lines shown,
    // their runs and the lexicon links. Called whenever one of them changes; painting only reads.
    void relayout();
    // Draws the view as painting does into an image of the view's size.
    QImage render() const;
    QColor textColour() const;
    QColor linkColour() const;
    // "Was fehlt": ingredient lines missing from the chosen home bar, in a colour that stands out on
    // the current background.
    QColor missingColour() const;
    QColor noteColour() const;
    const QList<int>& missingLines() const { return m_missing; }
    const QHash<int, QString>& standIns() const { return m_standIns; }
    const LexiconLinks& links() const { return m_links; }

signals:
    void clicked(const RecipeHitTest::Click& click);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool usesBackgroundPicture() const;
    void DrawText(class QPainter& p) const;
    const AppState& m_state;
    RecipeDisplay* m_display = nullptr;
    const LexiconTerms* m_terms = nullptr;
    FontMeasurer m_measurer;
    LexiconLinks m_links;
    QList<RecipeTextLayout::Run> m_runs;
    QList<int> m_missing;
    QHash<int, QString> m_standIns; // per ingredient line: what stands in for it
    QPixmap m_background;
    QString m_backgroundFile;
    QPixmap m_advert;
    QCursor m_linkCursor = QCursor(Qt::PointingHandCursor);
};
