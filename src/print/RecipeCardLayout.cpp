#include "print/RecipeCardLayout.h"

namespace {

ReportFont fontOf(const PrintFonts& fonts, int entry) {
    return {fonts.at(entry).name, double(fonts.at(entry).size), false};
}

} // namespace

RecipeCardLayout::RecipeCardLayout(const PrintSettings& settings, const PrintFonts& fonts,
                                   const ReportMeasurer& measurer)
    : m_page(PageSetup::from(settings)), m_info(settings.info), m_fullWidth(settings.fullWidth),
      m_picture(pictureBox(m_page, settings.picture)), m_heading(fontOf(fonts, PrintFonts::kHeading)),
      m_text(fontOf(fonts, PrintFonts::kText)), m_measurer(measurer),
      m_nameHeight(measurer.height(m_heading)), m_textHeight(measurer.height(m_text)),
      m_step(1.2 * m_textHeight) {}

QSizeF RecipeCardLayout::pictureBox(const PageSetup& page, bool printed) {
    if (!printed)
        return QSizeF(0, 0);
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
    ReportItem name;
    name.name = QStringLiteral("LName");
    name.rect = QRectF(0, 0, besidePicture, m_nameHeight);
    name.text = record.name;
    name.font = m_heading;
    band.items.append(name);
    for (int i = 0; i < PrintRecord::kLines; ++i) {
        if (!record.z[size_t(i)].isEmpty())
            addLine(band, QStringLiteral("LZ%1").arg(i + 1), 0, firstLineTop() + i * m_step, besidePicture,
                    record.z[size_t(i)]);
    }
    const double factsTop = firstLineTop() + (lineCount(record) + 0.5) * m_step;
    double memoTop = m_info ? addFacts(band, record, factsTop) : factsTop;
    if (m_fullWidth && m_picture.height() + m_step > memoTop)
        memoTop = m_picture.height() + m_step;
    if (!record.memo.isEmpty() && memoTop < band.height) {
        ReportItem memo;
        memo.name = QStringLiteral("LMem");
        memo.rect = QRectF(0, memoTop, m_fullWidth ? bandWidth() : bandWidth() / 2, band.height - memoTop);
        memo.text = record.memo;
        memo.font = m_text;
        memo.wrap = true;
        band.items.append(memo);
    }
    return band;
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
        addLine(band, QStringLiteral("LS%1").arg(fact.field), valueLeft, y,
                qMax(0.0, besidePicture - valueLeft), fact.value);
        last = y;
        y += m_step;
    }
    return last + 2 * m_step;
}
