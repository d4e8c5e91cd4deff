#include "print/PrintReports.h"

#include "print/DrinkListLayout.h"
#include "print/RecipeCardLayout.h"

#include "store/PhotoPath.h"
#include <algorithm>

QString PrintReports::photoFile(const PrintRecord& record, const PhotoFolders& folders) {
    const QString photo =
        folders.pictures.isEmpty()
            ? QString()
            : PhotoPath::forRecipe(record.bild, record.eigen, folders.pictures, folders.ownPhotos);
    return photo.isEmpty() ? PhotoPath::resolve(folders.data, QStringLiteral("DEFAULT.BMP")) : photo;
}

ReportDocument PrintReports::recipeCards(const QList<PrintRecord>& records, const PrintSettings& settings,
                                         const PrintFonts& fonts, const ReportMeasurer& measurer,
                                         const PhotoFolders& folders) {
    ReportDocument doc;
    doc.page = PageSetup::from(settings);
    const RecipeCardLayout layout(settings, fonts, measurer);
    for (const PrintRecord& r : records)
        doc.details.append(layout.pages(r, settings.picture ? photoFile(r, folders) : QString()));
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
    for (const PrintRecord& r : records)
        doc.details.append(layout.band(r, ++number));
    return doc;
}

ReportDocument PrintReports::build(const QList<PrintRecord>& records, const PrintSettings& settings,
                                   const PrintFonts& fonts, const ReportMeasurer& measurer,
                                   const PhotoFolders& folders) {
    return settings.listLayout() ? drinkList(records, settings, fonts, measurer)
                                 : recipeCards(records, settings, fonts, measurer, folders);
}
