#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// One sound clip read from a RIFF/WAVE file: the sample format and the raw sample bytes. Only
// uncompressed PCM (8, 16 or 32-bit integers, or 32-bit floats) is accepted; anything else is no
// clip, so a damaged file stays silent.
struct WavClip {
    enum class Sample { UInt8, Int16, Int32, Float };

    int sampleRate = 0;
    int channels = 0;
    Sample sample = Sample::Int16;
    QByteArray data; // whole frames only

    int bytesPerFrame() const;
    qint64 durationMs() const;

    static std::optional<WavClip> parse(const QByteArray& file);
    static std::optional<WavClip> load(const QString& path);
};
