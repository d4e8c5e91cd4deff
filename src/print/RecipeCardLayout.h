#pragma once

#include "print/PageSetup.h"
#include "print/PrintFonts.h"
#include "print/PrintRecord.h"
#include "print/PrintSettings.h"
#include "print/ReportBand.h"
#include "print/ReportMeasurer.h"

#include <optional>

// The recipe card: one drink per page. The name in the heading font at the top left, the picture
// at the top right, the ingredient lines below the name, the block of facts below the last
// ingredient and the instructions below that (or below the picture when they run across the
// whole width). Millimetres throughout.
class RecipeCardLayout {
public:
    RecipeCardLayout(const PrintSettings& settings, const PrintFonts& fonts, const ReportMeasurer& measurer);
    // A card of its own size (one of a card sheet).
    RecipeCardLayout(const PrintSettings& settings, const PageSetup& card, const PrintFonts& fonts,
                     const ReportMeasurer& measurer);

    // The picture's box by paper and orientation; empty when no picture is printed.
    static QSizeF pictureBox(const PageSetup& page, bool printed);

    double bandWidth() const { return m_page.contentWidth(); }
    // One millimetre less than the page's content, so every drink gets a page of its own.
    double bandHeight() const { return m_page.contentHeight() - 1; }
    double lineStep() const { return m_step; }
    double firstLineTop() const { return m_nameHeight + 1.5 * m_step; }
    // The number of ingredient lines the facts make room for: one more than the last line that is
    // not empty, at most 20.
    static int lineCount(const PrintRecord& record);

    // The card laid out on one page as if it were long enough: the instructions take the lines
    // they need.
    ReportBand band(const PrintRecord& record, const QString& picturePath) const;
    // The card's pages: what does not fit on the first goes on to the next under the drink's name
    // and "(Fortsetzung)", the instructions split between lines, so that no text is lost.
    QList<ReportBand> pages(const PrintRecord& record, const QString& picturePath) const;
    // The heading shrinks down to this share of its size before a long name takes two lines.
    static constexpr double kNameFloor = 0.7;

private:
    double addFacts(ReportBand& band, const PrintRecord& record, double top) const;
    void addLine(ReportBand& band, const QString& name, double left, double top, double width,
                 const QString& text) const;
    ReportItem nameItem(const QString& name, double width) const;
    // Splits a wrapped item at the page's bottom: the lines that fit stay, the rest is returned.
    std::optional<ReportItem> splitAt(ReportItem& item, double bottom) const;

    PageSetup m_page;
    bool m_info;
    bool m_fullWidth;
    QSizeF m_picture;
    ReportFont m_heading;
    ReportFont m_text;
    const ReportMeasurer& m_measurer;
    double m_nameHeight;
    double m_textHeight;
    double m_step;
};
