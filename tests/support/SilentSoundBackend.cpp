#include "SilentSoundBackend.h"

SilentSoundBackend::SilentSoundBackend() : m_previous(SoundBackend::setCurrent(this)) {}

SilentSoundBackend::~SilentSoundBackend() {
    SoundBackend::setCurrent(m_previous);
}
