#pragma once

#include "common/ChoiceKind.h"
#include "common/IngredientChoices.h"

#include <QStringList>

// The entries, with their keys, of every box that offers categories
// (kind 1), tastes (2), ingredients (3) or decorations (4). The windows copy them into their boxes.
class ChoiceLists : public ChoiceKind {
public:
    static QString noAssignment() { return QStringLiteral("(keine Zuordnung)"); } // the editor's boxes
    static QString noChoice() { return QStringLiteral("(keine Auswahl)"); }       // the search's boxes
    static QString freeSlot() { return QStringLiteral("~"); }

    // Kinds 1 and 2: every entry that is not a free slot, keyed by its 0-based list position, in
    // list order (free slots leave gaps in the keys).
    static QList<ListEntry> classification(const QStringList& list);
    // The category boxes: the first entry (key 0), then the categories sorted by name.
    static QList<ListEntry> categoryChoices(const QStringList& categories, const QString& first);
    // The taste boxes: the first entry (key 0), then the tastes in list order.
    static QList<ListEntry> tasteChoices(const QStringList& tastes, const QString& first);

    // The search dialog's ingredient boxes: "(keine Auswahl)" (key 0), then `zutatliste`, so that
    // entry k (k >= 1) is entry k - 1 of `zutatliste`.
    static QList<ListEntry> ingredientBox(const QList<ListEntry>& zutatliste);
    // The blood alcohol list keeps its recipes (keys below 20000) and gets the new ingredient
    // entries, each at its sorted place.
    static void replaceBloodAlcoholIngredients(QList<ListEntry>& list,
                                               const QList<ListEntry>& ingredientEntries);

    // The editor's decoration box: "(keine Zuordnung)" (key 0), then the decorations sorted.
    static QList<ListEntry> decorationChoices(const QList<ListEntry>& decorations);
};
