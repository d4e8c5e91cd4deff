#include "ui/SoundPlayer.h"

namespace {
class NoSound : public SoundPlayer {
public:
    void PlaySound(SoundKind, int) override {}
    void PlayFiles(SoundKind, const QStringList&) override {}
};
} // namespace

SoundPlayer& SoundPlayer::none() {
    static NoSound silence;
    return silence;
}
