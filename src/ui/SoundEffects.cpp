#include "ui/SoundEffects.h"

#include "common/AppState.h"
#include "ui/SoundBackend.h"

bool SoundEffects::allowed(const AppState& state, SoundKind kind) {
    const SoundBackend* backend = SoundBackend::current();
    if (!backend || !backend->isAvailable() || !state.run.waveAvailable || !state.run.mainShown)
        return false;
    const OptionsRecord::Field option =
        kind == SoundKind::Noise ? OptionsRecord::Noises : OptionsRecord::Speech;
    return state.settings.options().get(option) != 0;
}

QString SoundEffects::file(const AppState& state, int number) {
    return state.folders.soundFolder + QString::number(number) + QStringLiteral(".WAV");
}

void SoundEffects::PlaySound(SoundKind kind, int number) {
    if (number > 0 && allowed(m_state, kind))
        SoundBackend::current()->enqueue(file(m_state, number));
}

void SoundEffects::PlayFiles(SoundKind kind, const QStringList& files) {
    if (!allowed(m_state, kind))
        return;
    for (const QString& name : files)
        SoundBackend::current()->enqueue(m_state.folders.soundFolder + name);
}
