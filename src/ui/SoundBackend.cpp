#include "ui/SoundBackend.h"

#include <utility>

namespace {
SoundBackend*& currentBackend() {
    static SoundBackend* backend = nullptr;
    return backend;
}
} // namespace

SoundBackend::~SoundBackend() = default;

SoundBackend* SoundBackend::current() {
    return currentBackend();
}

SoundBackend* SoundBackend::setCurrent(SoundBackend* backend) {
    return std::exchange(currentBackend(), backend);
}
