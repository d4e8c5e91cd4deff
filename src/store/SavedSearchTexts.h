#pragma once

#include "store/IniFile.h"

#include <QString>
#include <QStringList>

// SUCHTEXT.CFG beside SUCHEN.CFG: the criteria of each saved search for which the fixed records of
// SUCHEN.CFG have no room: the full text ("Volltext") and the further criteria of the second page.
// They are kept with the slot's name and apply only while the slot still carries that name, so a slot
// saved anew without them (by a program that does not know this file, or before a close that never
// came) loses them instead of taking a stranger's. INI, Windows-1252: sections [Suche1]..[Suche10]
// with Name= and Volltext=, and Zubereitung=, Glas=, Ohne= and Sterne= only when set; a reader that
// does not know a key passes it by.
class SavedSearchTexts {
public:
    static constexpr int kMaxText = 100; // the length of the "Volltext" field

    static QString fileName() { return QStringLiteral("SUCHTEXT.CFG"); }
    // A missing or unreadable file gives no texts.
    static SavedSearchTexts load(const QString& path);
    static SavedSearchTexts fromBytes(const QByteArray& bytes);

    // The further criteria as the file keeps them, as words; empty for "egal".
    struct Extras {
        QString preparation; // Zubereitung=
        QString glass;       // Glas=
        QStringList without; // Ohne=, the marks separated by commas
        int minStars = 0;    // Sterne=, at least this many of the user's stars (1..5)
        friend bool operator==(const Extras&, const Extras&) = default;
    };

    // The text of the slot (0..9) when it was saved under this name; empty otherwise.
    QString text(int slot, const QString& slotName) const;
    // The same for the further criteria.
    Extras extras(int slot, const QString& slotName) const;
    void set(int slot, const QString& slotName, const QString& text, const Extras& extras);
    void set(int slot, const QString& slotName, const QString& text) { set(slot, slotName, text, Extras()); }
    QByteArray toBytes() const { return m_ini.toBytes(); }
    // Replaces the file atomically; false when it could not be written.
    bool save(const QString& path, QString* reason = nullptr) const { return m_ini.save(path, reason); }

    // The single line a typed or stored text becomes: no control characters, at most kMaxText long.
    static QString cleaned(const QString& text);

private:
    static QString section(int slot) { return QStringLiteral("Suche") + QString::number(slot + 1); }

    IniFile m_ini;
};
