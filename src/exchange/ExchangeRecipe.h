#pragma once

#include "exchange/Measure.h"

#include <QList>
#include <QString>
#include <QStringList>

// A recipe as it travels between data sets: ingredients, categories, tastes and decorations by
// name, since their numbers only mean something in the data set they come from. Read from a file,
// the amounts are as the file gives them (one glass, in the file's units); the ingredients' own
// units are applied when they are found.
struct ExchangeRecipe {
    struct Line {
        double amount = 0; // in `unit`; 0 for Measure::None
        Measure::Unit unit = Measure::None;
        QString ingredient;
        QString unread; // the line as written when its amount could not be read, else empty
        friend bool operator==(const Line&, const Line&) = default;
    };

    QString name;
    QList<Line> lines;
    QStringList categories; // as named, the first one first
    QString taste;          // from the record; a file names them among the keywords
    QString decoration;     // from the record; a file names them among the keywords
    QStringList keywords;   // as a file has them
    QString instructions;
    QString remark;
    QString photo; // ours: "BILDER/00/1.BMP" or "EIGENE/NAME.BMP"; empty: no photo
    QString image; // the picture's address as the file has it (relative, data: or elsewhere)
    int assistantCode = 0;
    int alcohol = -1; // whole percent as stored; -1 where not known (a file read)
    int volume = -1;  // cl in the glass; -1 where not known

    friend bool operator==(const ExchangeRecipe&, const ExchangeRecipe&) = default;
};
