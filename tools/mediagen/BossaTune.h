#pragma once

#include "MidiFile.h"

#include <QList>
#include <QString>

// The background music: an original bossa nova in F major for flute, vibraphone, nylon guitar,
// acoustic bass, warm pad and light percussion, 52 bars that end on a turnaround into the first
// bar, so the piece loops without a seam.
class BossaTune {
public:
    static constexpr int kTicksPerQuarter = 480;
    static constexpr int kBeatsPerMinute = 132;
    static constexpr int kBars = 52;

    struct Note {
        double beat = 0; // from the start of its phrase
        double length = 0;
        int key = 0;
    };

    static MidiFile compose();
    // "r:0.5 C5:0.5 Eb5:1.5" -> notes; rests advance the beat. Throws on bad text.
    static QList<Note> parseMelody(const QString& text);
    // "C4" = 60, "F#3" = 54, "Bb4" = 70.
    static int keyOf(const QString& name);
};
