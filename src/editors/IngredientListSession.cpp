#include "editors/IngredientListSession.h"

#include "common/IngredientLookup.h"
#include "common/ListCollation.h"
#include "store/Fields.h"
#include "store/StoreError.h"
#include "store/TApollo.h"

IngredientListSession::IngredientListSession(TApollo& ingredients, TApollo& recipes)
    : m_ingredients(ingredients), m_recipes(recipes) {}

// Past every number the table ever gave, deleted records included: a recipe that still names a
// deleted ingredient must never come to show a new one under its number.
int IngredientListSession::nextNumber() {
    int highest = 0;
    for (int recNo = 1; recNo <= m_ingredients.RecCount(); ++recNo) {
        m_ingredients.Go(recNo);
        highest = qMax(highest, int(m_ingredients.GetInteger(Fields::Ingredient::Number)));
    }
    return qMax(highest + 1, int(kFirstOwnNumber));
}

Verdict IngredientListSession::newVerdict() {
    if (m_ingredients.Count() >= kMaxIngredients)
        return Verdict::stop();
    if (nextNumber() > kHighestNumber)
        return Verdict::refuse(Notice::hint(
            QStringLiteral(
                "Es kann keine weitere Zutat angelegt werden:\rdie Zutatennummern reichen nur bis 1500."),
            2));
    return Verdict::go();
}

int IngredientListSession::storeNew(const IngredientForm& form) {
    write(form, true);
    m_changed = true;
    const int number = int(m_ingredients.GetInteger(Fields::Ingredient::Number));
    return ListCollation::insertSorted(m_entries, {form.name.trimmed(), number});
}

void IngredientListSession::write(const IngredientForm& form, bool isNew) {
    const int number = isNew ? nextNumber() : 0;
    TApollo& t = m_ingredients;
    try {
        if (isNew) {
            t.BeginAppend();
            t.ReplaceInteger(Fields::Ingredient::Number, number);
        } else {
            t.Edit();
        }
        t.ReplaceText(Fields::Ingredient::Name, form.name.trimmed());
        t.ReplaceInteger(Fields::Ingredient::Alcohol, AlcoholField::value(form.alcohol));
        t.ReplaceInteger(Fields::Ingredient::Unit, form.kind);
        if (isNew) {
            for (const QString& bar :
                 {Fields::Ingredient::Bar1, Fields::Ingredient::Bar2, Fields::Ingredient::Bar3})
                t.ReplaceLogical(bar, false);
            for (const QString& zero :
                 {Fields::Ingredient::Price, Fields::Ingredient::Volume, Fields::Ingredient::Amount})
                t.ReplaceInteger(zero, 0);
        }
        // The price as the editor showed it stays as stored, so values from elsewhere survive an edit;
        // a new price goes with its pack size, and without one the old size stays (it means nothing alone).
        const int storedCents = isNew ? 0 : int(t.GetInteger(Fields::Ingredient::Price));
        const int storedPack = isNew ? 0 : int(t.GetInteger(Fields::Ingredient::Volume));
        const bool untouched =
            !isNew && form.price.trimmed() == IngredientEditSession::priceText(storedCents) &&
            form.pack.trimmed() == IngredientEditSession::packText(storedCents, storedPack);
        if (!untouched) {
            const int cents = qMax(0, IngredientEditSession::priceCents(form.price.trimmed()));
            t.ReplaceInteger(Fields::Ingredient::Price, cents);
            if (cents > 0)
                t.ReplaceInteger(Fields::Ingredient::Volume, form.pack.trimmed().toInt());
        }
        t.ReplaceInteger(Fields::Ingredient::NoPrint, form.noPrint ? 1 : 0);
        t.ReplaceEditedMemo(Fields::Ingredient::Remark, form.remark);
        t.Commit();
    } catch (const StoreError&) {
        t.Cancel();
        throw;
    }
}

bool IngredientListSession::seek(int index) {
    return index >= 0 && index < int(m_entries.size()) &&
           IngredientLookup::seek(m_ingredients, m_entries.at(index).data);
}

Verdict IngredientListSession::editVerdict(const IngredientEditSession::Outcome& outcome, int usage) {
    if (!outcome.accepted)
        return Verdict::stop();
    if (!outcome.changed || usage == 0)
        return Verdict::go();
    return Verdict::ask(Notice::question(
        QString::number(usage) +
            QStringLiteral(" Getränke benötigen diese Zutat.\rMöchten Sie die Änderungen speichern?"),
        2));
}

void IngredientListSession::storeEdit(int index, const IngredientForm& form) {
    write(form, false);
    m_changed = true;
    if (index >= 0 && index < int(m_entries.size()))
        m_entries[index].text = form.name.trimmed();
}

Verdict IngredientListSession::deletePrecheck(int index) const {
    if (m_entries.size() <= 1)
        return Verdict::stop();
    if (index < 0 || index >= int(m_entries.size()))
        return Verdict::refuse(
            Notice::hint(QStringLiteral("Bitte wählen Sie erst eine Zutat in der Liste aus."), 2));
    if (m_entries.at(index).data < kFirstOwnNumber)
        return Verdict::refuse(Notice::hint(
            QStringLiteral(
                "Zukünftige Rezept-Updates könnten\rdiese Zutat evtl. benötigen.\n\r\n\rDeshalb dürfen nur "
                "von Ihnen selbst eingegebene Zutaten gelöscht werden."),
            5));
    return Verdict::go();
}

Verdict IngredientListSession::deleteVerdict(int index, int usage) const {
    const QString name = m_entries.at(index).text;
    if (usage >= 1)
        return Verdict::refuse(Notice::hint(QStringLiteral("Die Zutat \"") + name +
                                                QStringLiteral("\" kann nicht gelöscht werden, da noch ") +
                                                QString::number(usage) +
                                                QStringLiteral(" Getränke diese Zutat verwenden."),
                                            2));
    return Verdict::ask(Notice::question(
        QStringLiteral("Möchten Sie die Zutat \"") + name + QStringLiteral("\" wirklich löschen?"), 2));
}

int IngredientListSession::deleteEntry(int index) {
    if (!seek(index))
        return index;
    m_ingredients.Delete();
    m_changed = true;
    m_entries.removeAt(index);
    return m_entries.isEmpty() ? -1 : 0;
}
