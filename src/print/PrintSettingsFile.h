#pragma once

#include "print/PrintFonts.h"
#include "print/PrintSettings.h"

class IniFile;

// The print dialog's settings and fonts remembered from one run to the next in their own file beside
// the tables ("DRUCKEN.CFG", an INI file), never in OPTION.CFG. A missing file gives the dialog's
// defaults; a value that cannot be read keeps its default.
class PrintSettingsFile {
public:
    static QString fileName() { return QStringLiteral("DRUCKEN.CFG"); }

    static void load(const QString& path, PrintSettings* settings, PrintFonts* fonts);
    // Replaces the file whole; false with the reason in German words when it cannot be written.
    static bool save(const QString& path, const PrintSettings& settings, const PrintFonts& fonts,
                     QString* reason = nullptr);

    static void read(const IniFile& ini, PrintSettings* settings, PrintFonts* fonts);
    static IniFile write(const PrintSettings& settings, const PrintFonts& fonts);
};
