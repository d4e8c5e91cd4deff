#include "print/RecipeCardLayout.h"

#include <algorithm>
#include <cmath>

namespace {

ReportFont fontOf(const PrintFonts& fonts, int entry) {
    return {fonts.at(entry).name, double(fonts.at(entry).size), false};
}

} // namespace

RecipeCardLayout::RecipeCardLayout(const PrintSettings& settings, const PrintFonts& fonts,
                                   const ReportMeasurer& measurer)
    : RecipeCardLayout(settings, PageSetup::from(settings), fonts, measurer) {}

RecipeCardLayout::RecipeCardLayout(const PrintSettings& settings, const PageSetup& page,
                                   const PrintFonts& fonts, const ReportMeasurer& measurer)
    : m_page(page), m_info(settings.info), m_fullWidth(settings.fullWidth),
      m_picture(pictureBox(m_page, settings.picture)), m_heading(fontOf(fonts, PrintFonts::kHeading)),
      m_text(fontOf(fonts, PrintFonts::kText)), m_measurer(measurer),
      m_nameHeight(measurer.height(m_heading)), m_textHeight(measurer.height(m_text)),
      m_step(1.2 * m_textHeight) {}

QSizeF RecipeCardLayout::pictureBox(const PageSetup& page, bool printed) {
    if (!printed)
        return QSizeF(0, 0);
    if (!page.card.isEmpty())
        return QSizeF(21, 30);
    const bool a4 = page.paper == PrintSettings::Paper::A4;
    if (a4 && !page.landscape())
        return QSizeF(49, 70);
    if (a4 || !page.landscape())
        return QSizeF(35, 50);
    return QSizeF(28, 40);
}

// Counted from the last line rather than up to the first empty one: a slot left empty in the
// middle must not let the lines after it run into the facts.
int RecipeCardLayout::lineCount(const PrintRecord& record) {
    int last = 0;
    for (int i = 0; i < PrintRecord::kLines; ++i) {
        if (!record.z[size_t(i)].trimmed().isEmpty())
            last = i + 1;
    }
    return qMin(last + 1, PrintRecord::kLines);
}

void RecipeCardLayout::addLine(ReportBand& band, const QString& name, double left, double top, double width,
                               const QString& text) const {
    ReportItem item;
    item.name = name;
    item.rect = QRectF(left, top, width, m_textHeight);
    item.text = text;
    item.font = m_text;
    band.items.append(item);
}

// A name too wide beside the picture shrinks down to the floor, then takes two lines.
ReportItem RecipeCardLayout::nameItem(const QString& text, double width) const {
    ReportItem name;
    name.name = QStringLiteral("LName");
    name.text = text;
    name.font = m_heading;
    const double floor = std::max(1.0, std::floor(m_heading.pointSize * kNameFloor));
    while (name.font.pointSize - 1 >= floor && m_measurer.width(name.font, text) > width)
        name.font.pointSize -= 1;
    const int lines = m_measurer.width(name.font, text) > width ? 2 : 1;
    name.wrap = lines > 1;
    name.rect = QRectF(0, 0, width, lines * m_measurer.height(name.font));
    return name;
}

ReportBand RecipeCardLayout::band(const PrintRecord& record, const QString& picturePath) const {
    ReportBand band;
    band.height = bandHeight();
    const double besidePicture = bandWidth() - m_picture.width();
    if (!m_picture.isEmpty()) {
        ReportItem picture;
        picture.name = QStringLiteral("QBild");
        picture.kind = ReportItem::Kind::Picture;
        picture.rect = QRectF(QPointF(besidePicture, 0), m_picture);
        picture.text = picturePath;
        band.items.append(picture);
    }
    const ReportItem name = nameItem(record.name, besidePicture);
    band.items.append(name);
    // Everything below moves down by what a two-line name takes more than the heading's line.
    const double shift = std::max(0.0, name.rect.height() - m_nameHeight);
    // An ingredient line wider than the room beside the picture goes on in the next step.
    double y = shift + firstLineTop();
    for (int i = 0; i < lineCount(record); ++i) {
        const QString& line = record.z[size_t(i)];
        int steps = 1;
        if (!line.isEmpty()) {
            steps = qMax(1, int(m_measurer.wrap(m_text, line, besidePicture).size()));
            addLine(band, QStringLiteral("LZ%1").arg(i + 1), 0, y, besidePicture, line);
            band.items.last().rect.setHeight((steps - 1) * m_step + m_textHeight);
            band.items.last().wrap = m_measurer.width(m_text, line) > besidePicture;
        }
        y += steps * m_step;
    }
    const double factsTop = y + 0.5 * m_step;
    double memoTop = m_info ? addFacts(band, record, factsTop) : factsTop;
    if (m_fullWidth && m_picture.height() + m_step > memoTop)
        memoTop = m_picture.height() + m_step;
    if (!record.memo.isEmpty()) {
        ReportItem memo;
        memo.name = QStringLiteral("LMem");
        const double width = m_fullWidth ? bandWidth() : bandWidth() / 2;
        const int lines = int(m_measurer.wrap(m_text, record.memo, width).size());
        memo.rect = QRectF(0, memoTop, width, lines * m_textHeight);
        memo.text = record.memo;
        memo.font = m_text;
        memo.wrap = true;
        band.items.append(memo);
    }
    return band;
}

std::optional<ReportItem> RecipeCardLayout::splitAt(ReportItem& item, double bottom) const {
    const QStringList lines = m_measurer.wrap(item.font, item.text, item.rect.width());
    const double lineHeight = m_measurer.height(item.font);
    int kept = int((bottom - item.rect.top()) / lineHeight + 1e-6);
    if (!item.wrap || kept < 1 || kept >= lines.size())
        return std::nullopt;
    // A heading ("Bemerkung:") or an empty line does not end a page: it goes on with its text.
    while (kept > 0 &&
           (lines.at(kept - 1).trimmed().isEmpty() || lines.at(kept - 1).trimmed().endsWith(u':')))
        --kept;
    if (kept < 1)
        return std::nullopt;
    qsizetype next = kept;
    while (next < lines.size() && lines.at(next).trimmed().isEmpty())
        ++next; // nor does the next page begin with an empty line
    if (next >= lines.size())
        return std::nullopt;
    ReportItem rest = item;
    rest.text = lines.mid(next).join(QLatin1Char('\n'));
    rest.rect.setHeight(double(lines.size() - next) * lineHeight);
    item.text = lines.mid(0, kept).join(QLatin1Char('\n'));
    item.rect.setHeight(kept * lineHeight);
    return rest;
}

QList<ReportBand> RecipeCardLayout::pages(const PrintRecord& record, const QString& picturePath) const {
    const double bottom = bandHeight();
    QList<ReportItem> left = band(record, picturePath).items;
    QList<ReportBand> out;
    for (int page = 0; !left.isEmpty() && page < 50; ++page) {
        ReportBand band;
        band.height = bottom;
        if (page > 0) {
            // The rest starts where the ingredient lines start on the first page.
            const ReportItem heading = nameItem(record.name + QStringLiteral(" (Fortsetzung)"), bandWidth());
            band.items.append(heading);
            double top = left.first().rect.top();
            for (const ReportItem& item : left)
                top = std::min(top, item.rect.top());
            const double to = firstLineTop() + std::max(0.0, heading.rect.height() - m_nameHeight);
            for (ReportItem& item : left)
                item.rect.translate(0, to - top);
        }
        QList<ReportItem> next;
        for (ReportItem item : left) {
            if (item.rect.bottom() <= bottom + 1e-6) {
                band.items.append(item);
            } else if (std::optional<ReportItem> rest = splitAt(item, bottom)) {
                band.items.append(item);
                next.append(*rest);
            } else {
                next.append(item);
            }
        }
        out.append(band);
        left = next;
    }
    return out;
}

// Alcohol, category, taste and decoration (when the drink has them) and the amount, one step
// apart; each value half a step behind its label. Returns the top of the instructions.
double RecipeCardLayout::addFacts(ReportBand& band, const PrintRecord& record, double top) const {
    const double besidePicture = bandWidth() - m_picture.width();
    const struct {
        const char* label;
        const QString& value;
        bool always;
        int field;
    } facts[] = {{"Alkohol:", record.s2, true, 2},
                 {"Kategorie:", record.s1, true, 1},
                 {"Geschmack:", record.s4, false, 4},
                 {"Dekoration:", record.s3, false, 3},
                 {"Menge:", record.s5, true, 5}};
    double y = top;
    double last = top;
    for (const auto& fact : facts) {
        if (!fact.always && fact.value.trimmed().isEmpty())
            continue;
        const QString label = QString::fromUtf8(fact.label);
        const double labelWidth = m_measurer.width(m_text, label);
        const double valueLeft = labelWidth + 0.5 * m_step;
        addLine(band, QStringLiteral("Label%1").arg(fact.field), 0, y, valueLeft, label);
        const double valueWidth = qMax(0.0, besidePicture - valueLeft);
        addLine(band, QStringLiteral("LS%1").arg(fact.field), valueLeft, y, valueWidth, fact.value);
        // A value wider than its room goes on in the next step.
        const int steps = qMax(1, int(m_measurer.wrap(m_text, fact.value, valueWidth).size()));
        band.items.last().rect.setHeight((steps - 1) * m_step + m_textHeight);
        band.items.last().wrap = m_measurer.width(m_text, fact.value) > valueWidth;
        last = y + (steps - 1) * m_step;
        y += steps * m_step;
    }
    return last + 2 * m_step;
}
