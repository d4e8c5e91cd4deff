#pragma once

#include "ui/SoundPlayer.h"

#include <QString>

struct AppState;

// The program's one way to play a clip: it plays only while the wave output works (`WaveAvailable`
// and a backend with an output), the main window has been shown (`MainShown`) and the option of its
// kind ("Geräusche", "Sprache") is not 0. Clips go to the current sound backend, which plays them
// one after the other. Windows reach it as `context.sound`.
class SoundEffects : public SoundPlayer {
public:
    explicit SoundEffects(const AppState& state) : m_state(state) {}

    void PlaySound(SoundKind kind, int number) override;
    void PlayFiles(SoundKind kind, const QStringList& files) override;

    static bool allowed(const AppState& state, SoundKind kind);
    static QString file(const AppState& state, int number);

private:
    const AppState& m_state;
};
