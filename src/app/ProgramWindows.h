#pragma once

#include "app/AppState.h"
#include "app/DataTables.h"
#include "app/TMain.h"
#include "ui/HelpWindow.h"
#include "ui/Skins.h"

// The program's shared state, tables and main window, built in the order the start-up needs them.
struct ProgramWindows {
    AppState state;
    Skins skins{state};
    UiContext context{state, skins};
    DataTables tables;
    HelpWindow help;
    TMain main{context, tables, help};

    explicit ProgramWindows(const StartupFolders& folders) { state.folders = folders; }
    // Started from a folder without VELTA98.INI, as from the distribution image.
    static StartupFolders withoutIni(const QString& programFolder) {
        return StartupFolders::derive(QStringLiteral("/nonexistent/VELTA98.INI"), programFolder);
    }
};
