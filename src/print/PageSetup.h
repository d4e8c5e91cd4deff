#pragma once

#include "print/PrintSettings.h"

#include <QSizeF>

// Paper and orientation of a printout, with the margins both reports use; millimetres.
struct PageSetup {
    static constexpr double kMargin = 15;

    PrintSettings::Paper paper = PrintSettings::Paper::A4;
    PrintSettings::Orientation orientation = PrintSettings::Orientation::Portrait;
    double margin = kMargin;
    // A card of a card sheet: its own size (the sheet's paper stays A4); empty for the paper's.
    QSizeF card;

    static PageSetup from(const PrintSettings& settings) {
        return {settings.paper, settings.orientation, kMargin, QSizeF()};
    }
    bool landscape() const { return orientation == PrintSettings::Orientation::Landscape; }
    QSizeF pageSize() const {
        if (!card.isEmpty())
            return card;
        const QSizeF portrait = paper == PrintSettings::Paper::A4 ? QSizeF(210, 297) : QSizeF(148, 210);
        return landscape() ? portrait.transposed() : portrait;
    }
    double contentWidth() const { return pageSize().width() - 2 * margin; }
    double contentHeight() const { return pageSize().height() - 2 * margin; }
};
