#include "ui/SoundQueue.h"

#include "store/PhotoPath.h"
#include "ui/WavClip.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QFileInfo>
#include <QMediaDevices>

namespace {

QAudioFormat formatOf(const WavClip& clip) {
    QAudioFormat format;
    format.setSampleRate(clip.sampleRate);
    format.setChannelCount(clip.channels);
    switch (clip.sample) {
    case WavClip::Sample::UInt8:
        format.setSampleFormat(QAudioFormat::UInt8);
        break;
    case WavClip::Sample::Int16:
        format.setSampleFormat(QAudioFormat::Int16);
        break;
    case WavClip::Sample::Int32:
        format.setSampleFormat(QAudioFormat::Int32);
        break;
    case WavClip::Sample::Float:
        format.setSampleFormat(QAudioFormat::Float);
        break;
    }
    return format;
}

// Sound files are found whatever the case of their names.
QString locate(const QString& path) {
    const QFileInfo info(path);
    return PhotoPath::resolve(info.path() + QLatin1Char('/'), info.fileName());
}

} // namespace

SoundQueue::SoundQueue(const QAudioDevice& device, QObject* parent) : QObject(parent), m_device(device) {
    m_clock.setSingleShot(true);
    connect(&m_clock, &QTimer::timeout, this, &SoundQueue::clipEnded);
}

SoundQueue::~SoundQueue() {
    m_waiting.clear();
    releaseSink();
}

QAudioDevice SoundQueue::defaultDevice() {
    return QMediaDevices::defaultAudioOutput();
}

void SoundQueue::enqueue(const QString& wavPath) {
    if (m_waiting.size() >= kMaxWaiting)
        return;
    m_waiting.append(wavPath);
    if (m_playing.isEmpty())
        playNext();
}

void SoundQueue::stop() {
    m_waiting.clear();
    m_clock.stop();
    releaseSink();
    m_playing.clear();
}

void SoundQueue::playNext() {
    while (!m_waiting.isEmpty()) {
        const QString path = m_waiting.takeFirst();
        const QString file = locate(path);
        const std::optional<WavClip> clip = file.isEmpty() ? std::nullopt : WavClip::load(file);
        if (!clip)
            continue;
        m_playing = path;
        m_started.append(path);
        if (m_started.size() > kRemembered)
            m_started.removeFirst();
        if (!startSink(*clip))
            m_clock.start(int(qMin<qint64>(clip->durationMs(), 60000)));
        return;
    }
    m_playing.clear();
}

bool SoundQueue::startSink(const WavClip& clip) {
    if (m_device.isNull())
        return false;
    const QAudioFormat format = formatOf(clip);
    if (!m_device.isFormatSupported(format))
        return false;
    m_buffer.close();
    m_buffer.setData(clip.data);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink = new QAudioSink(m_device, format, this);
    connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // Idle: the clip was read to its end. Stopped with an error: the device gave up.
        if (state == QAudio::IdleState ||
            (state == QAudio::StoppedState && m_sink->error() != QAudio::NoError))
            clipEnded();
    });
    m_sink->start(&m_buffer);
    if (m_sink->error() == QAudio::NoError && m_sink->state() != QAudio::StoppedState)
        return true;
    releaseSink();
    return false;
}

void SoundQueue::releaseSink() {
    if (!m_sink)
        return;
    QAudioSink* sink = std::exchange(m_sink, nullptr);
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
    m_buffer.close();
}

void SoundQueue::clipEnded() {
    releaseSink();
    m_playing.clear();
    playNext();
}
