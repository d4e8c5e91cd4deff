#pragma once

#include "common/ListEntry.h"

#include <array>

class HomeBarTable;
class TApollo;

// Moving the three home bars between the dialog's lists, the table in memory and the ingredient
// fields H1..H3.
class HomeBarStore {
public:
    using BarLists = std::array<QList<ListEntry>, 3>;

    static QString saveQuestion() {
        return QStringLiteral("Möchten Sie die Änderungen an der\rHausbar wirklich speichern?");
    }
    static constexpr int kSaveQuestionLines = 2;
    static QString noSelectionNotice() {
        return QStringLiteral("Wählen Sie erst eine Zutat in einer der Listen aus.");
    }
    static constexpr int kNoSelectionLines = 2;
    static constexpr int kShowSound = 8;

    // After OK with changes: every ingredient leaves all bars (in memory and in H1..H3), then each
    // entry of bar 1, 2, 3 whose ingredient is found is put back into that bar.
    static void store(const BarLists& lists, HomeBarTable& table, TApollo& ingredients);
    // After a cancel with changes, and for the refresh: the bar lists as the table holds them, each
    // sorted, for the ingredient numbers 1..1500 whose ingredient is found.
    static BarLists rebuildLists(const HomeBarTable& table, TApollo& ingredients);

private:
    static void clearAll(HomeBarTable& table, TApollo& ingredients);
};
