#include "editors/ClassificationTexts.h"

namespace {

const QString kOneLeftName =
    QStringLiteral("Der letzte Eintrag kann nicht gelöscht werden!\rSie können den Namen aber umbenennen.");

ClassificationTexts categories() {
    ClassificationTexts t;
    t.window = QStringLiteral("Kategorien");
    t.helpContext = 2190;
    t.newCaption = QStringLiteral("Neu");
    t.editCaption = QStringLiteral("Umbenennen");
    t.scanText = QStringLiteral("Es wird geprüft, ob es Getränke gibt, die dieser Kategorie zugeteilt sind.");
    t.nothingSelected =
        Notice::hint(QStringLiteral("Bitte wählen Sie erst eine Kategorie in der Liste aus."), 1);
    t.oneLeft = Notice::hint(kOneLeftName, 2);
    t.usedText = QStringLiteral("Die Kategorie \"%1\" kann nicht gelöscht werden, da noch %2 Getränke dieser "
                                "Kategorie zugeordnet sind.");
    t.confirmText = QStringLiteral("Möchten Sie die Kategorie \"%1\" wirklich löschen?");
    t.renameText =
        QStringLiteral("%1 Getränke sind der Kategorie \"%2\" zugeordnet. Möchten Sie die Kategorie "
                       "trotzdem umbenennen?");
    t.duplicateText = QStringLiteral("Eine Kategorie mit diesem Namen existiert schon.");
    return t;
}

ClassificationTexts tastes() {
    ClassificationTexts t;
    t.window = QStringLiteral("Geschmacksrichtung");
    t.helpContext = 2180;
    t.newCaption = QStringLiteral("Neu");
    t.editCaption = QStringLiteral("Ändern");
    t.scanText = QStringLiteral("Prüfung, ob Getränke dieser Geschmacksrichtung zugeordnet sind.");
    t.nothingSelected =
        Notice::hint(QStringLiteral("Bitte wählen Sie erst eine Geschmacksrichtung in der Liste aus."), 2);
    t.oneLeft = Notice::hint(kOneLeftName, 3);
    t.usedText =
        QStringLiteral("Die Geschmacksrichtung \"%1\" kann nicht gelöscht werden, da ihr noch %2 Getränke "
                       "zugeordnet sind.");
    t.confirmText = QStringLiteral("Möchten Sie die Geschmacksrichtung \"%1\" wirklich löschen?");
    t.confirmLines = 3;
    t.renameText =
        QStringLiteral("%1 Getränke sind der Geschmacksrichtung \"%2\" zugeordnet. Möchten Sie sie "
                       "trotzdem umbenennen?");
    t.duplicateText = QStringLiteral("Eine Geschmacksrichtung mit diesem Namen existiert schon.");
    return t;
}

ClassificationTexts decorations() {
    ClassificationTexts t;
    t.window = QStringLiteral("Dekoration");
    t.helpContext = 2170;
    t.newCaption = QStringLiteral("Neue Dekoration");
    t.editCaption = QStringLiteral("Bearbeiten");
    t.scanText = QStringLiteral("Es wird geprüft, ob es Getränke gibt, die diese Dekoration verwenden.");
    t.nothingSelected =
        Notice::hint(QStringLiteral("Bitte wählen Sie erst eine Dekoration in der Liste aus."), 2);
    t.oneLeft = Notice::hint(
        QStringLiteral(
            "Der letzte Eintrag kann nicht gelöscht werden!\rSie können die Dekoration aber bearbeiten."),
        3);
    t.usedText = QStringLiteral(
        "Diese Dekoration kann nicht gelöscht werden, da ihr noch %2 Getränk(e) zugeordnet sind.");
    t.confirmText = QStringLiteral("Möchten Sie die angewählte Dekoration wirklich löschen?");
    t.renameText = QStringLiteral(
        "%1 Getränke verwenden diese Dekoration. Möchten Sie die Änderungen trotzdem speichern?");
    t.renameLines = 2;
    return t;
}

// Fills %1 and %2 where the text has them, in one pass so that a name holding "%2" stays as it is.
QString fill(const QString& text, const QString& one, const QString& two) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool marker = text.at(i) == QLatin1Char('%') && i + 1 < text.size();
        if (marker && text.at(i + 1) == QLatin1Char('1')) {
            out += one;
            ++i;
        } else if (marker && text.at(i + 1) == QLatin1Char('2')) {
            out += two;
            ++i;
        } else {
            out += text.at(i);
        }
    }
    return out;
}

} // namespace

ClassificationTexts ClassificationTexts::of(Kind kind) {
    switch (kind) {
    case Categories:
        return categories();
    case Tastes:
        return tastes();
    default:
        return decorations();
    }
}

Notice ClassificationTexts::used(const QString& name, int count) const {
    return Notice::hint(fill(usedText, name, QString::number(count)), usedLines);
}

Notice ClassificationTexts::confirm(const QString& name) const {
    return Notice::question(fill(confirmText, name, QString()), confirmLines);
}

Notice ClassificationTexts::renameWhileUsed(const QString& name, int count) const {
    return Notice::question(fill(renameText, QString::number(count), name), renameLines);
}
