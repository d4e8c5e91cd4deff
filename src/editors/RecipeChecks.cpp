#include "editors/RecipeChecks.h"

#include "common/KeepPosition.h"
#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "editors/FoldedName.h"
#include "editors/IngredientInfo.h"
#include "store/Cp1252.h"
#include "store/Fields.h"
#include "store/PhotoPath.h"
#include "store/TApollo.h"
#include "store/UnitKind.h"

RecipeChecks::Outcome RecipeChecks::run(const RecipeSources& sources, RecipeDraft& draft, int editRecNo) {
    Outcome out;
    draft.name = draft.name.trimmed();
    if (const std::optional<Notice> refused = refusal(sources, draft)) {
        out.notices.append(*refused);
        return out;
    }
    const QString photo = draft.photo.trimmed();
    if (!photo.isEmpty() &&
        PhotoPath::resolve(sources.ownPhotosFolder, photo + QStringLiteral(".BMP")).isEmpty()) {
        out.notices.append(
            Notice::hint(QStringLiteral("Die Datei ") + photoPath(sources.ownPhotosFolder, photo) +
                             QStringLiteral(" konnte nicht gefunden werden.\r\r") +
                             QStringLiteral("Wenn Sie das Feld \"eigenes Foto\" freilassen,\rwird wieder das "
                                            "Standardfoto ausgegeben."),
                         5));
    }
    if (nameTaken(sources.recipes, draft.name, editRecNo)) {
        out.notices.append(
            Notice::hint(QStringLiteral("Es existiert schon ein Getränk mit diesem Namen!"), 1));
        return out;
    }
    out.accepted = true;
    return out;
}

std::optional<Notice> RecipeChecks::refusal(const RecipeSources& sources, const RecipeDraft& draft) {
    if (draft.name.isEmpty())
        return Notice::hint(QStringLiteral("Geben Sie bitte einen Namen ein."), 1);
    if (draft.lines.isEmpty())
        return Notice::hint(QStringLiteral("Geben Sie bitte mindestens eine Zutat ein."), 1);
    // An ingredient deleted meanwhile (or never there): its number would come to name another one.
    for (const RecipeLine& line : draft.lines) {
        if (!IngredientInfo::find(sources.ingredients, line.ingredient))
            return Notice::hint(
                QStringLiteral("Die Zutat Nr. %1 gibt es nicht mehr in der Datenbank.\r"
                               "Bitte entfernen Sie die Zeile oder wählen Sie eine andere Zutat.")
                    .arg(line.ingredient),
                2);
    }
    if (!hasLiquid(sources.ingredients, draft.lines))
        return Notice::hint(QStringLiteral("Das Getränk sollte mindestens eine flüssige Zutat enthalten."),
                            2);
    if (draft.kat <= 0)
        return Notice::hint(QStringLiteral("Bitte wählen Sie eine Kategorie aus."), 1);
    const QString photo = draft.photo.trimmed();
    if (!photo.isEmpty() && !isValidPhotoName(photo))
        return Notice::hint(QStringLiteral("Der Name des eigenen Fotos darf nur Buchstaben, Ziffern, \"_\" "
                                           "und \"-\" enthalten,\rdenn er benennt eine Datei im Ordner der "
                                           "eigenen Fotos."),
                            3);
    return unstorable(draft);
}

bool RecipeChecks::hasLiquid(TApollo& ingredients, const QList<RecipeLine>& lines) {
    for (const RecipeLine& line : lines) {
        const std::optional<IngredientInfo> info = IngredientInfo::find(ingredients, line.ingredient);
        if (info && UnitKind::isLiquid(info->kind))
            return true;
    }
    return false;
}

// The tables hold Windows-1252 text; a character outside it would come back as "?".
std::optional<Notice> RecipeChecks::unstorable(const RecipeDraft& draft) {
    for (const QString& text : {draft.name, draft.photo, draft.instructions, draft.remark}) {
        if (const QString c = Cp1252::firstUnencodable(text); !c.isEmpty())
            return Notice::unstorable(c);
    }
    return std::nullopt;
}

QString RecipeChecks::photoPath(const QString& ownPhotosFolder, const QString& photo) {
    return ownPhotosFolder + photo.trimmed().toUpper() + QStringLiteral(".BMP");
}

bool RecipeChecks::isValidPhotoName(const QString& photo) {
    for (const QChar c : photo) {
        const bool allowed = c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-');
        if (!allowed || !Cp1252::canEncode(QString(c)))
            return false;
    }
    return !photo.isEmpty();
}

bool RecipeChecks::nameTaken(TApollo& recipes, const QString& name, int editRecNo) {
    KeepPosition keep(recipes);
    TurboRead fast(recipes);
    const FoldedName wanted(name);
    for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
        if (recipes.RecNo() != editRecNo && wanted.matches(RecipeBook::rawName(recipes)))
            return true;
    }
    return false;
}
