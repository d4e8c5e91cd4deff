#include "calc/CalcSounds.h"

#include "common/AppState.h"
#include "ui/SoundBackend.h"

bool CalcSounds::enabled(const AppState& state, Kind kind) {
    const SoundBackend* backend = SoundBackend::current();
    if (!backend || !backend->isAvailable() || !state.waveAvailable || !state.mainShown)
        return false;
    const OptionsRecord::Field option = kind == Kind::Noise ? OptionsRecord::Noises : OptionsRecord::Speech;
    return state.options.get(option) != 0;
}

void CalcSounds::play(const AppState& state, Kind kind, int number) {
    if (enabled(state, kind))
        SoundBackend::current()->enqueue(state.folders.soundFolder + QString::number(number) +
                                         QStringLiteral(".WAV"));
}

void CalcSounds::playSequence(const AppState& state, const QStringList& files) {
    if (!enabled(state, Kind::Speech))
        return;
    for (const QString& file : files)
        SoundBackend::current()->enqueue(state.folders.soundFolder + file);
}
