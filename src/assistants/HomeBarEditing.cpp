#include "assistants/HomeBarEditing.h"

#include "common/ListCollation.h"
#include "common/TypeAhead.h"

int HomeBarEditing::add(QList<ListEntry>& bar, const ListEntry& ingredient, bool* changed) {
    const QString name = ListEntry::withoutTrailingBlanks(ingredient.text);
    const int existing = TypeAhead::findExact(bar, name);
    *changed = existing < 0;
    if (existing >= 0)
        return existing;
    return ListCollation::insertSorted(bar, {name, ingredient.data});
}

int HomeBarEditing::remove(QList<ListEntry>& bar, int index) {
    if (index < 0 || index >= int(bar.size()))
        return -1;
    bar.removeAt(index);
    if (bar.isEmpty())
        return -1;
    return qMax(0, index - 1);
}

int HomeBarEditing::typeAhead(const QList<ListEntry>& ingredients, const QString& text) {
    return TypeAhead::find(ingredients, text, -1);
}
