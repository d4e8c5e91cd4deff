#include "ui/MidiPlayer.h"

#include <QDir>
#include <QFile>

#include <fluidsynth.h>

#include <mutex>

namespace {

// FluidSynth reports through its log; the program keeps the last message for its own single log
// line instead of letting the library print.
std::mutex logMutex;
QString lastLibraryMessage;

void keepMessage(int, const char* message, void*) {
    const std::lock_guard lock(logMutex);
    lastLibraryMessage = QString::fromLocal8Bit(message);
}

QString takeLibraryMessage() {
    const std::lock_guard lock(logMutex);
    return std::exchange(lastLibraryMessage, QString());
}

void routeLibraryLog() {
    static const bool routed = [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, keepMessage, nullptr);
        return true;
    }();
    (void)routed;
}

bool hasAlsaPlayback() {
    return !QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcmC*D*p")}, QDir::System).isEmpty();
}

} // namespace

MidiPlayer::MidiPlayer(Output output, const QString& soundFont) : m_output(output), m_soundFont(soundFont) {
    routeLibraryLog();
}

MidiPlayer::~MidiPlayer() {
    release();
}

QString MidiPlayer::defaultSoundFont() {
    for (const char* file : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"})
        if (QFile::exists(QString::fromLatin1(file)))
            return QString::fromLatin1(file);
    return QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
}

bool MidiPlayer::createSynth() {
    m_settings = new_fluid_settings();
    fluid_settings_setnum(m_settings, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(m_settings, "synth.gain", 0.3);
    fluid_settings_setint(m_settings, "audio.period-size", 1024);
    if (m_output == Output::Offline)
        fluid_settings_setstr(m_settings, "player.timing-source", "sample");
    m_synth = new_fluid_synth(m_settings);
    if (!m_synth)
        return false;
    if (m_output == Output::Offline)
        return true;
    // The JACK driver is never tried: without a server it spends seconds trying to start one. ALSA
    // is tried only with a playback device, as the library prints its complaints itself.
    for (const char* driver : {"pulseaudio", "alsa"}) {
        if (qstrcmp(driver, "alsa") == 0 && !hasAlsaPlayback())
            continue;
        fluid_settings_setstr(m_settings, "audio.driver", driver);
        m_driver = new_fluid_audio_driver(m_settings, m_synth);
        if (m_driver)
            return true;
    }
    return false;
}

bool MidiPlayer::open(const QString& midiFile) {
    release();
    m_failure.clear();
    const QByteArray midi = QFile::encodeName(midiFile);
    if (!fluid_is_midifile(midi.constData())) {
        m_failure = QStringLiteral("keine MIDI-Datei: ") + midiFile;
        return false;
    }
    if (!createSynth()) {
        m_failure = QStringLiteral("keine MIDI-Ausgabe: ") + takeLibraryMessage();
        release();
        return false;
    }
    if (fluid_synth_sfload(m_synth, QFile::encodeName(m_soundFont).constData(), 1) == FLUID_FAILED) {
        m_failure = QStringLiteral("Klangschrift fehlt: ") + m_soundFont;
        release();
        return false;
    }
    m_midiFile = midiFile;
    return true;
}

void MidiPlayer::dropPlayer() {
    if (!m_player)
        return;
    fluid_player_stop(m_player);
    fluid_player_join(m_player);
    delete_fluid_player(m_player);
    m_player = nullptr;
    fluid_synth_all_sounds_off(m_synth, -1);
}

void MidiPlayer::release() {
    dropPlayer();
    if (m_driver)
        delete_fluid_audio_driver(m_driver);
    if (m_synth)
        delete_fluid_synth(m_synth);
    if (m_settings)
        delete_fluid_settings(m_settings);
    m_driver = nullptr;
    m_synth = nullptr;
    m_settings = nullptr;
    m_midiFile.clear();
}

void MidiPlayer::play(bool endless) {
    if (!m_synth || m_midiFile.isEmpty())
        return;
    // A fresh player starts at the beginning, whatever the last one did.
    dropPlayer();
    m_player = new_fluid_player(m_synth);
    if (!m_player || fluid_player_add(m_player, QFile::encodeName(m_midiFile).constData()) != FLUID_OK) {
        dropPlayer();
        return;
    }
    fluid_player_set_loop(m_player, endless ? -1 : 1);
    fluid_player_play(m_player);
}

void MidiPlayer::setEndless(bool endless) {
    // The loop count left after the current run: none, or for ever.
    if (m_player && isPlaying())
        fluid_player_set_loop(m_player, endless ? -1 : 0);
}

void MidiPlayer::stop() {
    dropPlayer();
}

bool MidiPlayer::isPlaying() const {
    return m_player && fluid_player_get_status(m_player) == FLUID_PLAYER_PLAYING;
}

QList<qint16> MidiPlayer::render(int frames) {
    QList<qint16> samples(qsizetype(frames) * 2, 0);
    if (m_output == Output::Offline && m_synth)
        fluid_synth_write_s16(m_synth, frames, samples.data(), 0, 2, samples.data(), 1, 2);
    return samples;
}
