#pragma once

#include "ui/BackgroundMusic.h"

#include <QList>
#include <QString>

#include <fluidsynth/types.h>

// The background music through FluidSynth with the General MIDI sound font Debian ships. On the
// device it plays through PulseAudio or ALSA; offline (tests) it plays only while render() is asked
// for samples, so the music can be checked without a sound card and faster than real time.
class MidiPlayer : public BackgroundMusic {
public:
    enum class Output { Device, Offline };

    explicit MidiPlayer(Output output = Output::Device, const QString& soundFont = defaultSoundFont());
    ~MidiPlayer() override;
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

    bool open(const QString& midiFile) override;
    void play(bool endless) override;
    void setEndless(bool endless) override;
    void stop() override;
    bool isPlaying() const override;

    QString failure() const override { return m_failure; }
    // Offline only: the next frames of the stereo output, interleaved.
    QList<qint16> render(int frames);

    static constexpr int kSampleRate = 44100;
    // TimGM6mb from the package timgm6mb-soundfont.
    static QString defaultSoundFont();

private:
    bool createSynth();
    void release();
    void dropPlayer();

    Output m_output;
    QString m_soundFont;
    QString m_midiFile;
    QString m_failure;
    fluid_settings_t* m_settings = nullptr;
    fluid_synth_t* m_synth = nullptr;
    fluid_audio_driver_t* m_driver = nullptr;
    fluid_player_t* m_player = nullptr;
};
