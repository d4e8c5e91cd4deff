#include "print/PrintReports.h"

#include "print/DrinkListLayout.h"
#include "print/RecipeCardLayout.h"

#include "common/ListCollation.h"
#include "store/PhotoPath.h"
#include <algorithm>

QString PrintReports::photoFile(const PrintRecord& record, const PhotoFolders& folders) {
    const QString photo =
        folders.pictures.isEmpty()
            ? QString()
            : PhotoPath::forPrinting(record.bild, record.eigen, folders.pictures, folders.ownPhotos);
    return photo.isEmpty() ? PhotoPath::resolve(folders.data, QStringLiteral("DEFAULT.BMP")) : photo;
}

ReportDocument PrintReports::recipeCards(const QList<PrintRecord>& records, const PrintSettings& settings,
                                         const PrintFonts& fonts, const ReportMeasurer& measurer,
                                         const PhotoFolders& folders) {
    if (settings.sheet != PrintSettings::Sheet::OneCard)
        return cardSheets(records, settings, fonts, measurer, folders);
    ReportDocument doc;
    doc.page = PageSetup::from(settings);
    const RecipeCardLayout layout(settings, fonts, measurer);
    for (const PrintRecord& r : records)
        doc.details.append(layout.pages(r, settings.picture ? photoFile(r, folders) : QString()));
    return doc;
}

// The cards of a sheet are laid out as small pages with a margin of their own, in fonts two thirds
// the size, and placed on an A4 sheet without margin: four A6 cards two by two, or two index cards
// one under the other. Dotted lines mark where to cut.
ReportDocument PrintReports::cardSheets(const QList<PrintRecord>& records, const PrintSettings& settings,
                                        const PrintFonts& fonts, const ReportMeasurer& measurer,
                                        const PhotoFolders& folders) {
    const bool four = settings.sheet == PrintSettings::Sheet::FourA6;
    ReportDocument doc;
    doc.page = PageSetup{PrintSettings::Paper::A4, PrintSettings::Orientation::Portrait, 0, {}};
    doc.columns = four ? 2 : 1;
    doc.columnGap = 0;
    const QSizeF cell = four ? QSizeF(105, 148.5) : QSizeF(210, 148.5);
    const QSizeF card = four ? cell : QSizeF(148, 105);
    const PageSetup cardPage{PrintSettings::Paper::A4, PrintSettings::Orientation::Portrait, kCardMargin,
                             card};
    PrintFonts small = fonts;
    for (const int entry : {PrintFonts::kHeading, PrintFonts::kText})
        small.set(entry, fonts.at(entry).name, std::max(6, (fonts.at(entry).size * 2 + 1) / 3));
    const RecipeCardLayout layout(settings, cardPage, small, measurer);
    const QPointF origin((cell.width() - card.width()) / 2 + kCardMargin,
                         (cell.height() - card.height()) / 2 + kCardMargin);
    const auto cut = [](const QRectF& line) {
        ReportItem item;
        item.name = QStringLiteral("Schnitt");
        item.kind = ReportItem::Kind::DottedLine;
        item.rect = line;
        return item;
    };
    for (const PrintRecord& r : records) {
        for (ReportBand band : layout.pages(r, settings.picture ? photoFile(r, folders) : QString())) {
            for (ReportItem& item : band.items)
                item.rect.translate(origin);
            const QRectF edge(origin - QPointF(kCardMargin, kCardMargin), card);
            band.items << cut(QRectF(edge.topLeft(), QSizeF(card.width(), 0)))
                       << cut(QRectF(edge.bottomLeft(), QSizeF(card.width(), 0)))
                       << cut(QRectF(edge.topLeft(), QSizeF(0, card.height())))
                       << cut(QRectF(edge.topRight(), QSizeF(0, card.height())));
            band.height = cell.height();
            doc.details.append(band);
        }
    }
    return doc;
}

ReportDocument PrintReports::drinkList(const QList<PrintRecord>& records, const PrintSettings& settings,
                                       const PrintFonts& fonts, const ReportMeasurer& measurer) {
    ReportDocument doc;
    doc.page = PageSetup::from(settings);
    const DrinkListLayout layout(settings, fonts, measurer);
    doc.header = layout.header();
    doc.columns = std::clamp(settings.columns, 1, PrintSettings::kMaxColumns);
    int number = 0;
    if (!settings.sections) {
        for (const PrintRecord& r : records)
            doc.details.append(layout.band(r, ++number));
        return doc;
    }
    // Sections in the order of their names, the drinks of each in the order chosen; drinks without a
    // category last.
    QList<PrintRecord> sorted = records;
    std::stable_sort(sorted.begin(), sorted.end(), [](const PrintRecord& a, const PrintRecord& b) {
        const QString x = a.s1.trimmed();
        const QString y = b.s1.trimmed();
        if (x.isEmpty() || y.isEmpty())
            return !x.isEmpty() && y.isEmpty();
        return ListCollation::lessThan(x, y);
    });
    QString current;
    for (qsizetype k = 0; k < sorted.size(); ++k) {
        const QString section = sorted.at(k).s1.trimmed();
        const bool opens = k == 0 || section != current;
        current = section;
        doc.details.append(
            layout.band(sorted.at(k), ++number,
                        opens ? (section.isEmpty() ? DrinkListLayout::otherSection() : section) : QString()));
    }
    return doc;
}

ReportDocument PrintReports::build(const QList<PrintRecord>& records, const PrintSettings& settings,
                                   const PrintFonts& fonts, const ReportMeasurer& measurer,
                                   const PhotoFolders& folders) {
    return settings.listLayout() ? drinkList(records, settings, fonts, measurer)
                                 : recipeCards(records, settings, fonts, measurer, folders);
}
