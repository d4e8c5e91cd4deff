#include "ui/MusicRules.h"

#include "common/AppState.h"
#include "store/PhotoPath.h"
#include "ui/BackgroundMusic.h"

namespace {
enum Music { None = 0, AtStart = 1, Endless = 2 };
}

QString MusicRules::musicFile(const AppState& state) {
    return PhotoPath::resolve(state.folders.dataFolder, QStringLiteral("VELTA.MID"));
}

void MusicRules::atFirstShow(AppState& state, BackgroundMusic& music) {
    const QString file = musicFile(state);
    opened(state, music, !file.isEmpty() && music.open(file));
}

void MusicRules::opened(AppState& state, BackgroundMusic& music, bool ok) {
    state.run.midiAvailable = ok;
    const int option = state.settings.options().get(OptionsRecord::Music);
    if (ok && option != None)
        music.play(option == Endless);
}

void MusicRules::afterOptions(const AppState& state, BackgroundMusic& music) {
    if (!state.run.midiAvailable)
        return;
    switch (state.settings.options().get(OptionsRecord::Music)) {
    case None:
        music.stop();
        break;
    case Endless:
        if (music.isPlaying())
            music.setEndless(true);
        else
            music.play(true);
        break;
    default:
        music.setEndless(false);
        break;
    }
}
