#include "print/ReportDocument.h"

QList<ReportDocument::Page> ReportDocument::paginate() const {
    QList<Page> pages;
    const double available = page.contentHeight();
    double y = 0;
    int column = 0;
    for (int i = 0; i < details.size(); ++i) {
        const double height = details.at(i).height;
        if (!pages.isEmpty() && y + height > available && column + 1 < columns) {
            ++column;
            y = header.height;
        } else if (pages.isEmpty() || y + height > available) {
            pages.append(Page());
            column = 0;
            y = header.height;
        }
        pages.last().append({i, y, column * (columnWidth() + columnGap)});
        y += height;
    }
    return pages;
}
