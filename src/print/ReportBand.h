#pragma once

#include "print/ReportFont.h"

#include <QList>
#include <QRectF>
#include <QString>

// One thing a band prints. Measures are millimetres from the band's top left corner.
struct ReportItem {
    enum class Kind { Text, Picture, DottedLine };

    QString name; // the label's name, e.g. "LName", "LZ1"
    Kind kind = Kind::Text;
    QRectF rect;
    QString text; // the text, or the picture's file
    ReportFont font{};
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wrap = false; // word-wrapped inside the rectangle and cut at its bottom
};

// A band of a banded report: a block of fixed height that is never split across pages.
struct ReportBand {
    double height = 0;
    QList<ReportItem> items;

    const ReportItem* item(const QString& name) const {
        for (const ReportItem& i : items) {
            if (i.name == name)
                return &i;
        }
        return nullptr;
    }
};
