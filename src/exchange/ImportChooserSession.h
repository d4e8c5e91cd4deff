#pragma once

#include "common/Result.h"

#include <QString>

#include <optional>

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
    // After the check, the question "OK" asks before it closes: a backup into a folder that holds
    // other files. Anything but "Ja" leaves the chooser open.
    std::optional<Notice> okQuestion(const QString& folder) const;
    // Only a backup writes into the chosen folder, so only its chooser offers "Neuer Ordner".
    bool offersNewFolder() const { return m_mode == Backup; }
    // The name of a new folder in `parent`: "Neuer Ordner", or with the first number not taken.
    static QString newFolderName(const QString& parent);
    // The folder as given, with a trailing separator; empty until a folder was accepted.
    QString chosenFolder() const { return m_chosen; }

private:
    Result check(const QString& folder) const;

    Mode m_mode;
    QString m_chosen;
};
