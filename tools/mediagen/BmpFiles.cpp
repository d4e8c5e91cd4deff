#include "BmpFiles.h"

#include "VgaPalette.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace {

void put16(QByteArray& out, int value) {
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray& out, qint64 value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

// File header and BITMAPINFOHEADER for an uncompressed picture.
QByteArray headers(int width, int height, int bitsPerPixel, int paletteEntries, qint64 imageBytes) {
    const qint64 offset = 14 + 40 + 4 * paletteEntries;
    QByteArray out;
    out.append("BM");
    put32(out, offset + imageBytes);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, bitsPerPixel);
    put32(out, 0); // BI_RGB
    put32(out, imageBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, paletteEntries);
    put32(out, 0);
    return out;
}

int stride(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

} // namespace

QByteArray BmpFiles::encode24(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int rowBytes = stride(rgb.width(), 24);
    QByteArray out = headers(rgb.width(), rgb.height(), 24, 0, qint64(rowBytes) * rgb.height());
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const uchar* line = rgb.constScanLine(y);
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < rgb.width(); ++x) {
            row[3 * x] = char(line[3 * x + 2]);
            row[3 * x + 1] = char(line[3 * x + 1]);
            row[3 * x + 2] = char(line[3 * x]);
        }
        out.append(row);
    }
    return out;
}

QByteArray BmpFiles::encode4(const QImage& image, bool dither) {
    const QImage indexed = VgaPalette::reduce(image, dither);
    const int rowBytes = stride(indexed.width(), 4);
    QByteArray out = headers(indexed.width(), indexed.height(), 4, 16, qint64(rowBytes) * indexed.height());
    for (QRgb c : VgaPalette::colours()) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append('\0');
    }
    for (int y = indexed.height() - 1; y >= 0; --y) {
        const uchar* line = indexed.constScanLine(y);
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < indexed.width(); ++x) {
            const int nibble = line[x] & 0x0f;
            row[x / 2] = char(row[x / 2] | ((x % 2 == 0) ? nibble << 4 : nibble));
        }
        out.append(row);
    }
    return out;
}

void BmpFiles::writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void BmpFiles::save24(const QImage& image, const QString& path) {
    writeFile(path, encode24(image));
}

void BmpFiles::save4(const QImage& image, const QString& path, bool dither) {
    writeFile(path, encode4(image, dither));
}
