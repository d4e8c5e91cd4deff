#pragma once

#include <QStringList>

// The two kinds of numbered sound clips; each is switched on by its own option.
enum class SoundKind { Noise = 0, Speech = 1 };

// `PlaySound` for every window: `context.sound->PlaySound(SoundKind::Noise, 8);`. Plays the clip
// SoundFolder + number + ".WAV" after whatever is already playing; never waits for it.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void PlaySound(SoundKind kind, int number) = 0;
    // Files of the sound folder ("1.WAV", "komma.WAV"), queued in order under the same rule.
    virtual void PlayFiles(SoundKind kind, const QStringList& files) = 0;

    // The player of a context built without sound (most tests): plays nothing.
    static SoundPlayer& none();
};
