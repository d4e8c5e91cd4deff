#pragma once

#include "ui/UiContext.h"

struct AppState;
class DataTables;
class MainWindowPort;
class ShownRecipes;
class QWidget;

// Everything a feature command needs to build its session and dialog: the shared state and skins,
// the tables, the main window's port, the list of drinks with the recipe shown and the parent for the
// dialog.
struct DialogServices {
    UiContext context;
    // The same state as the context's, for the sessions and commands that change it.
    AppState& state;
    DataTables& tables;
    MainWindowPort& main;
    ShownRecipes& recipes;
    QWidget* parent;
};
