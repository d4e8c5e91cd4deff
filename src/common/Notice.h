#pragma once

#include <QString>

// A message the core hands back for the window to show: the text, the kind of caption and the
// number of lines the message box reserves for it. Every message box of the program is one.
struct Notice {
    enum class Caption { Hint, Question, Error, Info };

    QString text;
    Caption caption = Caption::Hint;
    int lines = 1;

    bool isQuestion() const { return caption == Caption::Question; }
    // "Hinweis", "Frage", "Fehler", "Info": the message box's title.
    QString captionText() const {
        switch (caption) {
        case Caption::Question:
            return QStringLiteral("Frage");
        case Caption::Error:
            return QStringLiteral("Fehler");
        case Caption::Info:
            return QStringLiteral("Info");
        case Caption::Hint:
            break;
        }
        return QStringLiteral("Hinweis");
    }

    static Notice hint(const QString& text, int lines) { return {text, Caption::Hint, lines}; }
    static Notice question(const QString& text, int lines) { return {text, Caption::Question, lines}; }
    static Notice error(const QString& text, int lines) { return {text, Caption::Error, lines}; }
    static Notice info(const QString& text, int lines) { return {text, Caption::Info, lines}; }

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
