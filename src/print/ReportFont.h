#pragma once

#include <QString>

// A font of a printout: family and size in points. A symbol font's text holds the codes of the
// Windows symbol font, which the painter draws as the symbols they stand for.
struct ReportFont {
    QString family;
    double pointSize = 10;
    bool symbol = false;

    friend bool operator==(const ReportFont&, const ReportFont&) = default;
};
