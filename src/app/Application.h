#pragma once

#include <QString>
#include <QStringList>

class BackgroundMusic;
class HelpWindow;
class SingleInstance;
class QWidget;

// The program's entry: folders, splash, the data tables, the windows in their order, the main
// loop. Returns the process exit code.
class Application {
public:
    struct Paths {
        QString iniPath;
        QString executableFolder; // the image when the program runs from it
        // Set for an installed program: without an installation, the start sets one up here first.
        QString firstStartFolder;
    };
    static int run(int& argc, char** argv);
    // Style, fonts, icon and translations, as every start of the program's windows needs them
    // (the program, the screenshot tool, the GUI tests).
    static void prepare();
    // Runs with explicit paths and arguments (the switches); used by run() and by tests.
    // The music plays through the given player; none: silence.
    static int start(const Paths& paths, const QStringList& switchArguments, bool enterLoop = true,
                     SingleInstance* instance = nullptr, BackgroundMusic* music = nullptr);
    static int colourDepth();
    // What SIGTERM does: cancels open dialogs, then closes the main window.
    static void closeEverything(QWidget& main);
};
