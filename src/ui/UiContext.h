#pragma once

struct AppState;
class Skins;

// What every window of the program is given: the shared state and the skins.
struct UiContext {
    AppState& state;
    Skins& skins;
};
