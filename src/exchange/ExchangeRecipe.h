#pragma once

#include "store/UnitKind.h"

#include <QList>
#include <QString>

// A recipe as it travels between data sets: ingredients, categories, tastes and decorations by
// name, since their numbers only mean something in the data set they come from.
struct ExchangeRecipe {
    struct Line {
        int amount = 0;
        int kind = UnitKind::None;
        QString ingredient;
        friend bool operator==(const Line&, const Line&) = default;
    };

    QString name;
    QList<Line> lines;
    QString category;   // empty: none
    QString taste;      // empty: none
    QString decoration; // empty: none
    QString instructions;
    QString remark;
    QString image; // "BILDER/00/1.BMP" or "EIGENE/NAME.BMP"; empty: no photo
    int assistantCode = 0;

    friend bool operator==(const ExchangeRecipe&, const ExchangeRecipe&) = default;
};
