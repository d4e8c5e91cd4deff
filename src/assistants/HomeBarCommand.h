#pragma once

struct AppState;
class THausbardialog;
class TApollo;

// "&Hausbar einrichten": shows the home bar dialog and stores or discards what was changed.
class HomeBarCommand {
public:
    static void run(AppState& state, THausbardialog& dialog, TApollo& ingredients);
    // The outcome handling after the dialog closed with the given result.
    static void finish(AppState& state, THausbardialog& dialog, TApollo& ingredients, bool accepted);
};
