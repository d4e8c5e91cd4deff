#pragma once

#include <QList>
#include <QString>

// One entry of a list or choice box: the text shown and the key it carries (a record number, an
// ingredient number or a list position). Records are found again by the key, never by the text.
struct ListEntry {
    QString text;
    int data = 0;

    // Names read from a table are shown without trailing blanks.
    static QString withoutTrailingBlanks(const QString& text) {
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
            --end;
        return text.left(end);
    }

    friend bool operator==(const ListEntry&, const ListEntry&) = default;
};
