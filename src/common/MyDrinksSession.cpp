#include "common/MyDrinksSession.h"

#include "common/KeepPosition.h"
#include "common/RecipeBook.h"
#include "store/Cp1252.h"
#include "store/TApollo.h"

std::optional<QString> MyDrinksSession::drinkName(int recNo) const {
    if (recNo < 1 || recNo > m_recipes.RecCount())
        return std::nullopt;
    KeepPosition keep(m_recipes);
    m_recipes.Go(recNo);
    if (m_recipes.IsDeleted())
        return std::nullopt;
    return RecipeBook::name(m_recipes);
}

Result MyDrinksSession::check(int recNo, QString* name) {
    if (const Result gate = mayChange(); !gate)
        return gate;
    const std::optional<QString> found = drinkName(recNo);
    if (!found)
        return Result::refused(Notice::hint(QStringLiteral("Den Satz %1 gibt es nicht.").arg(recNo), 1));
    *name = *found;
    // The whole file is written anew: drinks renamed or deleted since it was read go in as they are now.
    m_drinks.reconcile(m_recipes);
    return Result::ok();
}

Result MyDrinksSession::rate(int recNo, int stars) {
    QString name;
    if (const Result ok = check(recNo, &name); !ok)
        return ok;
    if (stars < 0 || stars > MyDrinks::kMaxStars)
        return Result::refused(Notice::hint(
            QStringLiteral("Ein Drink hat 0 bis %1 Sterne, nicht %2.").arg(MyDrinks::kMaxStars).arg(stars),
            1));
    return m_drinks.setStars(recNo, name, stars);
}

Result MyDrinksSession::note(int recNo, const QString& text) {
    QString name;
    if (const Result ok = check(recNo, &name); !ok)
        return ok;
    if (text.trimmed().size() > MyDrinks::kMaxNote)
        return Result::refused(Notice::hint(QStringLiteral("Die Notiz darf höchstens %1 Zeichen lang sein, "
                                                           "sie hat %2.")
                                                .arg(MyDrinks::kMaxNote)
                                                .arg(text.trimmed().size()),
                                            1));
    if (const QString bad = Cp1252::firstUnencodable(text); !bad.isEmpty())
        return Result::refused(Notice::unstorable(bad));
    return m_drinks.setNote(recNo, name, text);
}

Result MyDrinksSession::mixed(int recNo, int glasses, const QDate& day) {
    QString name;
    if (const Result ok = check(recNo, &name); !ok)
        return ok;
    if (glasses < 1 || glasses > MyDrinks::kMaxGlasses)
        return Result::refused(Notice::hint(QStringLiteral("Es können 1 bis %1 Gläser sein, nicht %2.")
                                                .arg(MyDrinks::kMaxGlasses)
                                                .arg(glasses),
                                            1));
    return m_drinks.addMixed(recNo, name, day, glasses);
}
