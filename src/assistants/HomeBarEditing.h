#pragma once

#include "common/ListEntry.h"

// The home bar dialog's operations on its sorted bar lists. Each returns the index to select.
class HomeBarEditing {
public:
    // "&Hinzufügen": adds the ingredient unless the list holds its name (trailing blanks removed,
    // letter case ignored) already; then the existing entry is selected. `changed` tells which.
    static int add(QList<ListEntry>& bar, const ListEntry& ingredient, bool* changed);
    // "&Entfernen": removes the entry and selects the one before it (the first when the first was
    // removed); -1 when the list is empty afterwards or nothing was selected.
    static int remove(QList<ListEntry>& bar, int index);
    // Type-ahead in `zlistbox`: the first entry beginning with the text; -1 when none.
    static int typeAhead(const QList<ListEntry>& ingredients, const QString& text);
};
