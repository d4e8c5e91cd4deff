#pragma once

#include "common/Result.h"

#include <QString>

// The folder chooser's rules: what each caller requires of the chosen folder, the message when it
// does not, and the folder chosen last.
class ImportChooserSession {
public:
    enum Mode { Version1 = 1, Backup = 2, Restore = 3, Updates = 10 };

    explicit ImportChooserSession(Mode mode = Backup) : m_mode(mode) {}

    void setMode(Mode mode) { m_mode = mode; }
    Mode mode() const { return m_mode; }
    int helpContext() const;

    // The check of "OK": ok keeps the folder as the chosen one; a refusal leaves the chooser open.
    Result choose(const QString& folder);
    // The folder as given, with a trailing separator; empty until a folder was accepted.
    QString chosenFolder() const { return m_chosen; }

private:
    Result check(const QString& folder) const;

    Mode m_mode;
    QString m_chosen;
};
