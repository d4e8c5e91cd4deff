#pragma once

#include "common/ShownRecipes.h"
#include "search/MainSearch.h"
#include "search/MainSearchHost.h"
#include "search/SearchSession.h"
#include "search/gui/TSaveSuchedialog.h"
#include "search/gui/TSuchenDialog.h"
#include "ui/DialogServices.h"

// "&Suchkriterien definieren" and "Suchkriterien &aufheben": the search session with its dialog and
// the name dialog, created once on first use, and the main window's side of the search loop.
class SearchCommand : public MainSearchHost {
public:
    explicit SearchCommand(const DialogServices& services);

    void start();
    void clear();

    SearchSession session;
    TSaveSuchedialog nameDialog;
    TSuchenDialog dialog;

    // MainSearchHost
    bool runSearchDialog() override;
    void finishPainting() override;
    void showExpression(const QString& expression) override;
    void playNoise(int number) override;
    void reportNoMatch() override;
    void setClearSearchEnabled(bool enabled) override;
    void setWaitCursor(bool on) override;
    void showFirst() override;

private:
    AppState& m_state;
    MainWindowPort& m_main;
    ShownRecipes& m_recipes;
    QWidget* m_parent;
    SoundPlayer& m_sound;
    MainSearch m_search;
};
