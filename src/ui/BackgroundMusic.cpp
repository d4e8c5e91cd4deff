#include "ui/BackgroundMusic.h"

namespace {
class NoMusic : public BackgroundMusic {
public:
    bool open(const QString&) override { return false; }
    void play(bool) override {}
    void setEndless(bool) override {}
    void stop() override {}
    bool isPlaying() const override { return false; }
    QString failure() const override { return {}; }
};
} // namespace

BackgroundMusic& BackgroundMusic::none() {
    static NoMusic silence;
    return silence;
}
