#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// A Windows icon file holding one or more square pictures as 32-bit BGRA bitmaps with their
// AND masks, the form every icon reader understands.
class IcoWriter {
public:
    static QByteArray encode(const QList<QImage>& images);
};
