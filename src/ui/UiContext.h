#pragma once

struct AppState;
class HelpWindow;
class Skins;

// What every window of the program is given: the shared state and the skins.
struct UiContext {
    AppState& state;
    Skins& skins;
    // Where the "?" box of every skinned window opens its help; none in tests that need no help.
    HelpWindow* help = nullptr;
};
