#pragma once

#include "print/PrintFonts.h"
#include "print/PrintRecord.h"
#include "print/PrintSettings.h"
#include "print/ReportDocument.h"
#include "print/ReportMeasurer.h"

// Lays out the print table's records as the chosen report: recipe cards or the drink list.
class PrintReports {
public:
    struct PhotoFolders {
        QString pictures;  // the photo collection; empty when the photos are unavailable
        QString ownPhotos; // the user's own photos
        QString data;      // holds "DEFAULT.BMP"
    };

    // The card's photo: the own photo, else the collection photo, else the default picture.
    // Without photos (no picture folder) every card shows the default.
    static QString photoFile(const PrintRecord& record, const PhotoFolders& folders);

    // The margin inside each card of a card sheet.
    static constexpr double kCardMargin = 8;

    static ReportDocument recipeCards(const QList<PrintRecord>& records, const PrintSettings& settings,
                                      const PrintFonts& fonts, const ReportMeasurer& measurer,
                                      const PhotoFolders& folders);
    // Drinks are numbered from 1 in table order, so every printout and preview starts again at 1.
    static ReportDocument drinkList(const QList<PrintRecord>& records, const PrintSettings& settings,
                                    const PrintFonts& fonts, const ReportMeasurer& measurer);
    static ReportDocument build(const QList<PrintRecord>& records, const PrintSettings& settings,
                                const PrintFonts& fonts, const ReportMeasurer& measurer,
                                const PhotoFolders& folders);

private:
    static ReportDocument cardSheets(const QList<PrintRecord>& records, const PrintSettings& settings,
                                     const PrintFonts& fonts, const ReportMeasurer& measurer,
                                     const PhotoFolders& folders);
};
