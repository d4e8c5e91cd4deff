#pragma once

#include "common/ListEntry.h"
#include "common/ReadOnlyGate.h"
#include "editors/ClassificationTexts.h"
#include "editors/Verdict.h"

#include <QStringList>

#include <functional>

class TApollo;

// The category or taste list dialog's state and rules (`KategorieListeDialog`,
// `GeschmackListeDialog`): the names of the in-memory list without its free slots "~", each keyed
// by its 0-based position; new names fill the last free slot (unless it is the first) or are
// appended; deleting leaves "~", so that no number ever moves. The list reaches the lists file
// only through the caller's `SaveLists` after the dialog closed changed.
class ClassificationListSession : public ReadOnlyGate {
public:
    static constexpr int kMaxEntries = 255;
    static constexpr int kNameLength = 50; // the shared name dialog's field

    ClassificationListSession(ClassificationTexts::Kind kind, QStringList& list, TApollo& recipes);

    const ClassificationTexts& texts() const { return m_texts; }
    // Every showing: the changed flag is cleared and the entries are read from the list.
    void begin();
    const QList<ListEntry>& entries() const { return m_entries; }
    bool changed() const { return m_changed; }

    // A name for a new entry or a renamed one (exceptIndex: the renamed entry): nothing to do for
    // an empty name; refused when taken (letter case ignored), when the list is full, or when the
    // name could not be stored.
    Verdict nameVerdict(const QString& name, int exceptIndex = -1) const;
    // Stores a checked name; returns the new entry's index.
    int add(const QString& name);

    // Rename: nothing selected is refused; then, after the name dialog, the recipes are counted.
    Verdict selectionVerdict(int index) const;
    int usage(int index, const std::function<void(int)>& progress = {}) const;
    Verdict renameVerdict(int index, int usage) const;
    void rename(int index, const QString& name);

    Verdict deletePrecheck(int index) const;
    Verdict deleteVerdict(int index, int usage) const;
    // The list entry becomes "~"; returns the entry to select.
    int remove(int index);

    // The position a new name takes: the last free slot unless that is the first entry; otherwise
    // the end of the list.
    int slotForNew() const;

private:
    ClassificationTexts::Kind m_kind;
    ClassificationTexts m_texts;
    QStringList& m_list;
    TApollo& m_recipes;
    QList<ListEntry> m_entries;
    bool m_changed = false;
};
