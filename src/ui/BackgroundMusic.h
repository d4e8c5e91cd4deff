#pragma once

#include <QString>

// The background music player (`MidiPlayer` of the about box): one piece, played once or over and
// over. Without a MIDI output the program runs silently.
class BackgroundMusic {
public:
    virtual ~BackgroundMusic() = default;

    // Prepares the piece; false when there is no output or the piece or its instruments are unusable.
    virtual bool open(const QString& midiFile) = 0;
    // Plays the piece from its beginning; endless: again and again without a pause.
    virtual void play(bool endless) = 0;
    // Whether the piece starts again at its end; may change while it plays.
    virtual void setEndless(bool endless) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    // Why the last open() failed, for the log.
    virtual QString failure() const = 0;

    // The player of a context built without music (most tests): plays nothing.
    static BackgroundMusic& none();
};
