#pragma once

#include "print/PageSetup.h"
#include "print/ReportBand.h"

// A laid-out report: the page, the header band printed on top of every page (none when its
// height is 0) and the detail bands in order. `paginate` decides which bands go on which page.
struct ReportDocument {
    struct Placement {
        int band = 0;
        double top = 0;  // below the page's top margin
        double left = 0; // right of the left margin: the column's
    };
    using Page = QList<Placement>;

    PageSetup page;
    ReportBand header;
    QList<ReportBand> details;
    // The detail bands fill the columns of a page one after the other, left to right; the header
    // spans them all.
    int columns = 1;
    double columnGap = 6;
    double columnWidth() const { return (page.contentWidth() - (columns - 1) * columnGap) / columns; }

    // A band that does not fit below the bands already on a page starts the next page; a band
    // taller than a page gets a page of its own and is cut at its bottom. No bands, no pages.
    QList<Page> paginate() const;
};
