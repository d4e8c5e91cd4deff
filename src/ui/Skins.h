#pragma once

#include "ui/SkinSet.h"
#include "ui/ThemeTable.h"

struct AppState;

// The two skin sets of the run: the dialogs' and the main window's, for the current motif.
class Skins {
public:
    explicit Skins(const AppState& state) : m_state(state) {}

    Theme theme() const;
    // The dialog set of the current motif, reloaded when the motif changed since the last call.
    const SkinSet& dialogSet();
    const SkinSet& mainSet() const { return m_main; }
    // Loads the main window's set of the current motif; false (and the failure text) on failure.
    bool SelectMainSkin(QString* failure);
    bool LoadDialogSkin(const QString& skinName, QString* failure);

private:
    const AppState& m_state;
    SkinSet m_dialog;
    SkinSet m_main;
};
