#pragma once

#include "ui/SoundPlayer.h"

#include <QString>

struct AppState;

// The program's `PlaySound`: a clip plays only while the wave output works (`WaveAvailable`), the
// main window has been shown (`MainShown`) and the option of its kind ("Geräusche", "Sprache") is
// on. Clips go to the current sound backend, which plays them one after the other.
class SoundEffects : public SoundPlayer {
public:
    explicit SoundEffects(const AppState& state) : m_state(state) {}

    void PlaySound(SoundKind kind, int number) override;

    static bool allowed(const AppState& state, SoundKind kind);
    static QString file(const AppState& state, int number);

private:
    const AppState& m_state;
};
