#pragma once

#include <QString>
#include <QStringList>

class HelpWindow;
class SingleInstance;
class QWidget;

// The program's entry: folders, splash, the data tables, the windows in their order, the main
// loop. Returns the process exit code.
class Application {
public:
    struct Paths {
        QString iniPath;
        QString executableFolder;
    };
    static int run(int& argc, char** argv);
    // Style, fonts, icon and translations, as every start of the program's windows needs them
    // (the program, the screenshot tool, the GUI tests).
    static void prepare();
    // Runs with explicit paths and arguments (the switches); used by run() and by tests.
    static int start(const Paths& paths, const QStringList& switchArguments, bool enterLoop = true,
                     SingleInstance* instance = nullptr);
    static int colourDepth();
    // What SIGTERM does: cancels open dialogs, then closes the main window.
    static void closeEverything(QWidget& main);
};
