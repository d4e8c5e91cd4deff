#pragma once

#include <QString>

// A message the core hands back for the window to show: the text, the caption ("Hinweis",
// "Frage", "Fehler") and the number of lines the message box reserves for it.
struct Notice {
    QString text;
    QString caption;
    int lines = 1;

    bool isQuestion() const { return caption == QStringLiteral("Frage"); }

    static Notice hint(const QString& text, int lines) { return {text, QStringLiteral("Hinweis"), lines}; }
    static Notice question(const QString& text, int lines) { return {text, QStringLiteral("Frage"), lines}; }
    static Notice error(const QString& text, int lines) { return {text, QStringLiteral("Fehler"), lines}; }

    // The refusal every data-changing command gives while the program runs from the read-only medium.
    static Notice readOnly() {
        return hint(QStringLiteral("Diese Funktion ist gespert, wenn direkt von CD-ROM gestartet wurde. "
                                   "Starten Sie SETUP.EXE, um Velta Cocktails zu installieren."),
                    3);
    }

    // The refusal of a text the tables cannot hold (Windows-1252), naming the character.
    static Notice unstorable(const QString& character) {
        return hint(
            QStringLiteral("Das Zeichen \"%1\" kann nicht gespeichert werden.\rBitte ersetzen Sie es.")
                .arg(character),
            2);
    }

    friend bool operator==(const Notice&, const Notice&) = default;
};
