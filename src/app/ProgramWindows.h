#pragma once

#include "app/TMain.h"
#include "common/AppState.h"
#include "common/DataTables.h"
#include "ui/HelpWindow.h"
#include "ui/Skins.h"
#include "ui/SoundEffects.h"

// The program's shared state, tables and main window, built in the order the start-up needs them.
struct ProgramWindows {
    AppState state;
    Skins skins{state};
    HelpWindow help;
    SoundEffects sound{state};
    // The music device is the program's to give (Application::run); without one the run is silent.
    UiContext context{state, skins, &help, &sound};
    DataTables tables;
    TMain main{state, context, tables, help};

    explicit ProgramWindows(const StartupFolders& folders, BackgroundMusic* music = nullptr)
        : context{state, skins, &help, &sound, music ? music : &BackgroundMusic::none()} {
        state.folders = folders;
    }
    // Started from a folder without VELTA98.INI, as from the distribution image.
    static StartupFolders withoutIni(const QString& programFolder) {
        return StartupFolders::derive(QStringLiteral("/nonexistent/VELTA98.INI"), programFolder);
    }
};
