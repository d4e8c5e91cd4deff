#pragma once

#include "ui/SoundBackend.h"

#include <QStringList>

// A sound backend that plays nothing and remembers what it was asked to play. Installs itself as
// the current backend for its lifetime.
class SilentSoundBackend : public SoundBackend {
public:
    SilentSoundBackend();
    ~SilentSoundBackend() override;
    SilentSoundBackend(const SilentSoundBackend&) = delete;
    SilentSoundBackend& operator=(const SilentSoundBackend&) = delete;

    bool isAvailable() const override { return true; }
    void enqueue(const QString& wavPath) override { m_played.append(wavPath); }
    void stop() override { ++m_stops; }

    const QStringList& played() const { return m_played; }
    // The numbers of the clips asked for ("8.WAV" is 8), in order.
    QList<int> playedNumbers() const {
        QList<int> numbers;
        for (const QString& path : m_played)
            numbers << path.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0).toInt();
        return numbers;
    }
    void clear() { m_played.clear(); }
    int stops() const { return m_stops; }

private:
    QStringList m_played;
    int m_stops = 0;
    SoundBackend* m_previous = nullptr;
};
