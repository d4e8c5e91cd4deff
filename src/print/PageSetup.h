#pragma once

#include "print/PrintSettings.h"

#include <QSizeF>

// Paper and orientation of a printout, with the margins both reports use; millimetres.
struct PageSetup {
    static constexpr double kMargin = 15;

    PrintSettings::Paper paper = PrintSettings::Paper::A4;
    PrintSettings::Orientation orientation = PrintSettings::Orientation::Portrait;

    static PageSetup from(const PrintSettings& settings) { return {settings.paper, settings.orientation}; }
    bool landscape() const { return orientation == PrintSettings::Orientation::Landscape; }
    QSizeF pageSize() const {
        const QSizeF portrait = paper == PrintSettings::Paper::A4 ? QSizeF(210, 297) : QSizeF(148, 210);
        return landscape() ? portrait.transposed() : portrait;
    }
    double contentWidth() const { return pageSize().width() - 2 * kMargin; }
    double contentHeight() const { return pageSize().height() - 2 * kMargin; }
};
