#pragma once

#include "common/ListEntry.h"

class TApollo;

// The home bar dialog's presets ("&Vorgabe"): fixed lists of supplied ingredient numbers.
class HomeBarPresets {
public:
    enum class Preset { Basis, Standard, Profi };

    static QString menuText(Preset preset);
    static QString emptyMenuText() { return QStringLiteral("Hausbar &leeren"); }
    // The ingredient numbers in their order: 28, 50 and 75 of them.
    static QList<int> numbers(Preset preset);
    // The new contents of the shown bar list, sorted: each preset number that does not exceed the
    // number of ingredient records and whose ingredient exists, with its name.
    static QList<ListEntry> entries(Preset preset, TApollo& ingredients);
};
