#pragma once

#include "store/IniFile.h"

#include <QString>

// SUCHTEXT.CFG beside SUCHEN.CFG: the full text ("Volltext") of each saved search, for which the
// fixed records of SUCHEN.CFG have no room. Each text is kept with its slot's name and applies only
// while the slot still carries that name, so a slot saved anew without it (by a program that does
// not know this file, or before a close that never came) loses the text instead of taking a
// stranger's. INI, Windows-1252: sections [Suche1]..[Suche10] with Name= and Volltext=.
class SavedSearchTexts {
public:
    static constexpr int kMaxText = 100; // the length of the "Volltext" field

    static QString fileName() { return QStringLiteral("SUCHTEXT.CFG"); }
    // A missing or unreadable file gives no texts.
    static SavedSearchTexts load(const QString& path);
    static SavedSearchTexts fromBytes(const QByteArray& bytes);

    // The text of the slot (0..9) when it was saved under this name; empty otherwise.
    QString text(int slot, const QString& slotName) const;
    void set(int slot, const QString& slotName, const QString& text);
    QByteArray toBytes() const { return m_ini.toBytes(); }
    // Replaces the file atomically; false when it could not be written.
    bool save(const QString& path, QString* reason = nullptr) const { return m_ini.save(path, reason); }

    // The single line a typed or stored text becomes: no control characters, at most kMaxText long.
    static QString cleaned(const QString& text);

private:
    static QString section(int slot) { return QStringLiteral("Suche") + QString::number(slot + 1); }

    IniFile m_ini;
};
