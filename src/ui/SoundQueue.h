#pragma once

#include "ui/SoundBackend.h"

#include <QAudioDevice>
#include <QBuffer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class QAudioSink;
struct WavClip;

// The program's one wave player: queued clips play one after the other through a QAudioSink, each
// read by our own WAV parser. Without a device (or when the device refuses a clip) a timer keeps
// the clip's time instead, so sequences behave the same and nothing waits for a sound that never
// ends. A clip that cannot be read is skipped; a burst of clips beyond kMaxWaiting is dropped.
class SoundQueue : public QObject, public SoundBackend {
    Q_OBJECT
public:
    static constexpr int kMaxWaiting = 8;

    // A null device plays nothing but still keeps each clip's time.
    explicit SoundQueue(const QAudioDevice& device, QObject* parent = nullptr);
    ~SoundQueue() override;

    static QAudioDevice defaultDevice();

    bool isAvailable() const override { return !m_device.isNull(); }
    void enqueue(const QString& wavPath) override;
    void stop() override;

    QString playing() const { return m_playing; }
    const QStringList& waiting() const { return m_waiting; }
    bool isIdle() const { return m_playing.isEmpty() && m_waiting.isEmpty(); }
    // The clips that started lately, oldest first, at most kRemembered: what the queue really played.
    static constexpr int kRemembered = 4 * kMaxWaiting;
    const QStringList& startedLately() const { return m_started; }

private:
    void playNext();
    void clipEnded();
    bool startSink(const WavClip& clip);
    void releaseSink();

    QAudioDevice m_device;
    QStringList m_waiting;
    QString m_playing;
    QStringList m_started;
    QAudioSink* m_sink = nullptr;
    QBuffer m_buffer;
    QTimer m_clock;
};
