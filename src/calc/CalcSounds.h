#pragma once

#include <QStringList>

struct AppState;

// The calculators' sounds through the program's sound queue: a numbered noise or speech clip,
// played only when wave output is available, the main window has been shown and the user's
// option for that kind is on; and a sequence of speech files played one after another.
class CalcSounds {
public:
    enum class Kind { Noise = 0, Speech = 1 };

    static void play(const AppState& state, Kind kind, int number);
    // Files in the sound folder, queued in order; only with speech on.
    static void playSequence(const AppState& state, const QStringList& files);

private:
    static bool enabled(const AppState& state, Kind kind);
};
