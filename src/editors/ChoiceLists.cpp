#include "editors/ChoiceLists.h"

#include "common/ListCollation.h"

QList<ListEntry> ChoiceLists::classification(const QStringList& list) {
    QList<ListEntry> out;
    for (int i = 0; i < int(list.size()); ++i) {
        if (!list.at(i).startsWith(freeSlot()))
            out.append({list.at(i), i});
    }
    return out;
}

QList<ListEntry> ChoiceLists::categoryChoices(const QStringList& categories, const QString& first) {
    QList<ListEntry> sorted = classification(categories);
    ListCollation::sort(sorted);
    return QList<ListEntry>{{first, 0}} + sorted;
}

QList<ListEntry> ChoiceLists::tasteChoices(const QStringList& tastes, const QString& first) {
    return QList<ListEntry>{{first, 0}} + classification(tastes);
}

QList<ListEntry> ChoiceLists::ingredientBox(const QList<ListEntry>& zutatliste) {
    return QList<ListEntry>{{noChoice(), 0}} + zutatliste;
}

void ChoiceLists::replaceBloodAlcoholIngredients(QList<ListEntry>& list,
                                                 const QList<ListEntry>& ingredientEntries) {
    list.removeIf([](const ListEntry& e) { return e.data >= kBloodAlcoholTag; });
    for (const ListEntry& e : ingredientEntries)
        ListCollation::insertSorted(list, e);
}

QList<ListEntry> ChoiceLists::decorationChoices(const QList<ListEntry>& decorations) {
    QList<ListEntry> sorted = decorations;
    ListCollation::sort(sorted);
    return QList<ListEntry>{{noAssignment(), 0}} + sorted;
}
