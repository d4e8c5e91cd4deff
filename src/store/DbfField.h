#pragma once

#include <QByteArray>

// One field of a DBF table as its descriptor gives it. `offset` counts from the start of the
// record, the deletion flag included, so the first field starts at 1.
struct DbfField {
    QByteArray name; // upper case as stored, ASCII
    char type = 'C'; // C, N, L, M (others are read as text)
    int length = 0;
    int decimals = 0;
    int offset = 0;
};
