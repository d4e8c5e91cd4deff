#include "search/SearchChoices.h"

#include "common/ListCollation.h"

namespace {
QList<ListEntry> withoutFreeSlots(const QStringList& list) {
    QList<ListEntry> out{{SearchChoices::noChoice(), 0}};
    for (int i = 0; i < int(list.size()); ++i) {
        if (!list.at(i).startsWith(QLatin1Char('~')))
            out.append({list.at(i), i});
    }
    return out;
}
} // namespace

SearchChoices SearchChoices::build(const QList<ListEntry>& zutatliste, const QStringList& categories,
                                   const QStringList& tastes) {
    SearchChoices c;
    c.ingredients = QList<ListEntry>{{noChoice(), 0}} + zutatliste;
    c.categories = withoutFreeSlots(categories);
    QList<ListEntry> sorted = c.categories.mid(1);
    ListCollation::sort(sorted);
    c.categories = QList<ListEntry>{{noChoice(), 0}} + sorted;
    c.tastes = withoutFreeSlots(tastes);
    return c;
}
