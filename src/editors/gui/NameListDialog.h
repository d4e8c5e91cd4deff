#pragma once

#include "common/ListEntry.h"
#include "common/Result.h"
#include "ui/TOwnFenster.h"

#include <functional>

class EntryList;
class QPushButton;
class TWartenDialog;
struct Verdict;

// The shape the ingredient, category, taste and decoration lists share: a list of names with
// "&Neu", "&Bearbeiten" (also a double click), "&Löschen" and "Schließen". Every command first
// refuses while the data are read-only.
class NameListDialog : public TOwnFenster {
    Q_OBJECT
public:
    NameListDialog(UiContext context, QWidget* parent = nullptr);

protected:
    // Whether the list may be changed now (its session decides).
    virtual Result mayChange() const = 0;

public:
    EntryList* ListBox = nullptr;
    QPushButton* hinzubutton = nullptr;
    QPushButton* bearbeitenButton = nullptr;
    QPushButton* LoeschenButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;

protected:
    virtual void newEntry() = 0;
    virtual void editEntry() = 0;
    virtual void deleteEntry() = 0;

    void showEntries(const QList<ListEntry>& entries, int select);
    void focusList();
    // Shows the verdict's notice (asking a question); true when the command goes on.
    static bool follow(const Verdict& verdict);
    // Counts the recipes that use an entry under the wait window.
    int countUsage(const QString& text, const std::function<int(const std::function<void(int)>&)>& count);
    TWartenDialog& waitWindow();

private:
    void guarded(void (NameListDialog::*command)());

    TWartenDialog* m_wait = nullptr;
};
