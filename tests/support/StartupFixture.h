#pragma once

#include <QColor>
#include <QString>

// A complete program folder for start-up tests: the shipped tables, VE.DAT, DEFAULT.BMP and
// plain-coloured skin bitmaps for every theme, without INI file.
class StartupFixture {
public:
    static QColor skinColour(char suffix); // 'O', 'U', 'R', 'L'
    // Fills programFolder/DATEN; returns false when the shipped tables are not built.
    static bool make(const QString& programFolder);
    static void writeSkins(const QString& dataFolder);
};
