#pragma once

#include "ui/BackgroundMusic.h"
#include "ui/SoundPlayer.h"

struct AppState;
class HelpWindow;
class Skins;

// What every window of the program is given: a view of the shared state (windows read it; sessions
// and commands change it), the skins, the help window, the sound effects and the background music.
struct UiContext {
    const AppState& state;
    Skins& skins;
    // Where the "?" box of every skinned window opens its help; none in tests that need no help.
    HelpWindow* help = nullptr;
    // `PlaySound`: `context.sound->PlaySound(SoundKind::Noise, 8);` (silent unless the program set it).
    SoundPlayer* sound = &SoundPlayer::none();
    BackgroundMusic* music = &BackgroundMusic::none();
};
