#include "print/ReportDocument.h"

QList<ReportDocument::Page> ReportDocument::paginate() const {
    QList<Page> pages;
    const double available = page.contentHeight();
    double y = 0;
    for (int i = 0; i < details.size(); ++i) {
        const double height = details.at(i).height;
        if (pages.isEmpty() || y + height > available) {
            pages.append(Page());
            y = header.height;
        }
        pages.last().append({i, y});
        y += height;
    }
    return pages;
}
