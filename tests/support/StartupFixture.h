#pragma once

#include <QColor>
#include <QString>

#include <memory>

struct ProgramWindows;

// A complete program folder for start-up tests: the shipped tables, VE.DAT, DEFAULT.BMP and
// plain-coloured skin bitmaps for every theme, without INI file.
class StartupFixture {
public:
    static QColor skinColour(char suffix); // 'O', 'U', 'R', 'L'
    // Fills programFolder/DATEN; returns false when the shipped tables are not built.
    static bool make(const QString& programFolder);
    static void writeSkins(const QString& dataFolder);
    // The program's windows on a freshly made program folder, the main window created and shown
    // (writable: as an installed program, not from the read-only medium); null when either failed.
    static std::unique_ptr<ProgramWindows> showProgram(const QString& programFolder, bool writable);
    // Closes the windows a test showed, if any.
    static void closeProgram(std::unique_ptr<ProgramWindows>& windows);
};
