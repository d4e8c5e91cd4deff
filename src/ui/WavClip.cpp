#include "ui/WavClip.h"

#include "store/LittleEndian.h"

#include <QFile>

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;

struct Format {
    quint16 tag = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

std::optional<Format> readFormat(const QByteArray& chunk) {
    if (chunk.size() < 16)
        return std::nullopt;
    Format f{le::u16(chunk, 0), le::u16(chunk, 2), int(le::u32(chunk, 4)), le::u16(chunk, 14)};
    // The extensible header names the real format in the first two bytes of its sub-format GUID.
    if (f.tag == kExtensible) {
        if (chunk.size() < 26)
            return std::nullopt;
        f.tag = le::u16(chunk, 24);
    }
    return f;
}

std::optional<WavClip::Sample> sampleOf(const Format& f) {
    if (f.tag == kPcm && f.bits == 8)
        return WavClip::Sample::UInt8;
    if (f.tag == kPcm && f.bits == 16)
        return WavClip::Sample::Int16;
    if (f.tag == kPcm && f.bits == 32)
        return WavClip::Sample::Int32;
    if (f.tag == kFloat && f.bits == 32)
        return WavClip::Sample::Float;
    return std::nullopt;
}

} // namespace

int WavClip::bytesPerFrame() const {
    const int bytes = sample == Sample::UInt8 ? 1 : sample == Sample::Int16 ? 2 : 4;
    return bytes * channels;
}

qint64 WavClip::durationMs() const {
    const qint64 frames = bytesPerFrame() > 0 ? data.size() / bytesPerFrame() : 0;
    return sampleRate > 0 ? frames * 1000 / sampleRate : 0;
}

std::optional<WavClip> WavClip::parse(const QByteArray& file) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<Format> format;
    qsizetype pos = 12;
    while (pos + 8 <= file.size()) {
        const QByteArray id = file.mid(pos, 4);
        const quint32 declared = le::u32(file, pos + 4);
        const qsizetype start = pos + 8;
        // A chunk that claims more than the file holds is cut to what is there.
        const qsizetype size = qMin<qsizetype>(declared, file.size() - start);
        if (id == "fmt ") {
            format = readFormat(file.mid(start, size));
        } else if (id == "data") {
            if (!format || format->channels < 1 || format->channels > 8 || format->rate < 1000 ||
                format->rate > 192000)
                return std::nullopt;
            const std::optional<Sample> sample = sampleOf(*format);
            if (!sample)
                return std::nullopt;
            WavClip clip{format->rate, format->channels, *sample, {}};
            clip.data = file.mid(start, size - size % clip.bytesPerFrame());
            return clip;
        }
        pos = start + size + (size & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

std::optional<WavClip> WavClip::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(f.readAll());
}
