#pragma once

#include "common/IngredientSet.h"
#include "store/IniFile.h"

#include <QList>
#include <QString>

// The home bar's own settings beside the tables (HAUSBAR.CFG, an INI file): whether substitutes count,
// whether the basics count as always at hand, and the basics themselves by ingredient number. A missing
// or damaged file gives the defaults: both switches off, basics ice, crushed ice, still and hot water
// and sugar.
class BarSettings {
public:
    static QString fileName() { return QStringLiteral("HAUSBAR.CFG"); }
    static QList<int> defaultBasics() { return {1, 2, 94, 231, 254}; }

    bool allowSubstitutes = false; // "Ersatzzutaten zulassen"
    bool alwaysAtHome = false;     // "Immer im Haus"
    QList<int> basics = defaultBasics();

    static BarSettings load(const QString& path);
    // What the file's lines say; anything unreadable keeps its default.
    static BarSettings fromIni(const IniFile& ini);
    IniFile toIni() const;
    // Replaces the file atomically; false when it could not be written.
    bool save(const QString& path) const;

    IngredientSet basicSet() const;
    bool hasBasic(int number) const { return basics.contains(number); }
    // Adds or removes one basic; the list stays sorted by number and free of repeats.
    void setBasic(int number, bool basic);

    friend bool operator==(const BarSettings&, const BarSettings&) = default;
};
