#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

// Hand-made RIFF/WAVE files for the sound tests: any format tag and sample layout, with the data
// chunk optionally cut short or preceded by other chunks.
struct WavFixture {
    quint16 tag = 1; // PCM
    quint16 channels = 1;
    quint32 rate = 22050;
    quint16 bits = 16;
    int frames = 2205;        // 100 ms at 22 050 Hz
    QByteArray extraChunk;    // a whole chunk placed between "fmt " and "data"
    qint64 declaredData = -1; // the data chunk's size field; -1: the real size
    bool extensible = false;  // WAVE_FORMAT_EXTENSIBLE header naming `tag` as its sub-format

    static void put16(QByteArray& b, quint16 v) {
        char c[2];
        qToLittleEndian(v, c);
        b.append(c, 2);
    }
    static void put32(QByteArray& b, quint32 v) {
        char c[4];
        qToLittleEndian(v, c);
        b.append(c, 4);
    }

    QByteArray bytes() const {
        QByteArray fmt;
        put16(fmt, extensible ? 0xFFFE : tag);
        put16(fmt, channels);
        put32(fmt, rate);
        put32(fmt, rate * channels * bits / 8);
        put16(fmt, quint16(channels * bits / 8));
        put16(fmt, bits);
        if (extensible) {
            put16(fmt, 22);
            put16(fmt, bits);
            put32(fmt, 0);
            put16(fmt, tag);
            fmt.append(14, '\x10');
        }
        QByteArray data(qsizetype(frames) * channels * bits / 8, '\0');
        for (qsizetype i = 0; i < data.size(); ++i)
            data[i] = char((i * 37) & 0x7F);
        QByteArray body = "WAVE";
        body += "fmt ";
        put32(body, quint32(fmt.size()));
        body += fmt;
        body += extraChunk;
        body += "data";
        put32(body, declaredData < 0 ? quint32(data.size()) : quint32(declaredData));
        body += data;
        QByteArray file = "RIFF";
        put32(file, quint32(body.size()));
        return file + body;
    }

    bool write(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes()) >= 0;
    }
};
