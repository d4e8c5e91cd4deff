#pragma once

#include <QString>

struct AppState;
class BackgroundMusic;

// When the background music starts and stops: at the main window's first showing and after the
// options were changed, by the option "&Hintergrundmusik" (0 "Keine", 1 "am Anfang", 2 "endlos").
class MusicRules {
public:
    // Opens "VELTA.MID" from the data folder; sets `MidiAvailable`; starts the piece unless the
    // option is "Keine".
    static void atFirstShow(AppState& state, BackgroundMusic& music);
    // The second half of the above, once the player was opened (perhaps on another thread).
    static void opened(AppState& state, BackgroundMusic& music, bool ok);
    // "endlos" starts the piece when it is not playing (a playing piece goes on and repeats);
    // "Keine" stops it; "am Anfang" lets a playing piece end at its end.
    static void afterOptions(const AppState& state, BackgroundMusic& music);
    static QString musicFile(const AppState& state);
};
