#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes the two kinds of BMP the program reads: 24-bit true colour and 4-bit with the 16 VGA
// colours (BI_RGB, bottom-up rows, as every Windows program of the time wrote them).
class BmpFiles {
public:
    static QByteArray encode24(const QImage& image);
    // The picture is reduced to the VGA colours first (see VgaPalette::reduce).
    static QByteArray encode4(const QImage& image, bool dither);

    // Both create missing folders and throw std::runtime_error when the file cannot be written.
    static void save24(const QImage& image, const QString& path);
    static void save4(const QImage& image, const QString& path, bool dither);
    static void writeFile(const QString& path, const QByteArray& bytes);
};
