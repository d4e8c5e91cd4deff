#pragma once

#include "common/ListEntry.h"
#include "common/ReadOnlyGate.h"
#include "editors/ClassificationTexts.h"
#include "editors/Verdict.h"
#include "store/MemoFile.h"

#include <functional>

class TApollo;

// The decoration list dialog's state and rules (`DekoListeDialog`): every decoration by name with
// its record number in "DE". A new decoration takes the first deleted record again, so that record
// numbers stay few and never move; deleting marks the record deleted.
class DecorationListSession : public ReadOnlyGate {
public:
    static constexpr int kNameLength = 30;
    static constexpr int kTextLength = 2000;
    static_assert(2 * kTextLength <= MemoFile::kMaxTextBytes); // line breaks may become CR LF

    DecorationListSession(TApollo& decorations, TApollo& recipes);

    const ClassificationTexts& texts() const { return m_texts; }
    // The entries as the choice list refresh gives them (sorted by name).
    void setEntries(const QList<ListEntry>& entries) { m_entries = entries; }
    const QList<ListEntry>& entries() const { return m_entries; }
    void begin() { m_changed = false; }
    bool changed() const { return m_changed; }

    // Checks a name and description before they are stored: nothing to do for an empty name.
    static Verdict contentVerdict(const QString& name, const QString& text);
    // Stores a new decoration (in the first deleted record, or appended); returns the entry's index.
    // Throws StoreError; the table stays as it was.
    int add(const QString& name, const QString& text);

    // Edit: nothing selected is refused; otherwise the caller's lists are rebuilt afterwards, even
    // when the user cancels.
    Verdict editPrecheck(int index);
    // The description of the entry's decoration (empty for an empty memo).
    QString description(int index);
    int usage(int index, const std::function<void(int)>& progress = {}) const;
    Verdict editVerdict(int usage) const;
    void store(int index, const QString& name, const QString& text);

    Verdict deletePrecheck(int index) const;
    Verdict deleteVerdict(int usage) const;
    int remove(int index);

private:
    int reusableRecord();

    ClassificationTexts m_texts;
    TApollo& m_decorations;
    TApollo& m_recipes;
    QList<ListEntry> m_entries;
    bool m_changed = false;
};
