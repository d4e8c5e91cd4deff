#include "editors/IngredientEditSession.h"

#include "common/TurboRead.h"
#include "editors/FoldedName.h"
#include "store/Cp1252.h"
#include "store/Fields.h"
#include "store/MemoText.h"
#include "store/TApollo.h"
#include "store/UnitKind.h"

void IngredientEditSession::prepareNew() {
    m_mode = Mode::New;
    m_number = 0;
    m_form = IngredientForm();
}

void IngredientEditSession::prepareEdit() {
    m_mode = Mode::Edit;
    m_number = int(m_ingredients.GetInteger(Fields::Ingredient::Number));
    m_form.name = m_ingredients.GetTrimString(Fields::Ingredient::Name);
    m_form.alcohol = AlcoholField::shown(int(m_ingredients.GetInteger(Fields::Ingredient::Alcohol)));
    m_form.kind = int(m_ingredients.GetInteger(Fields::Ingredient::Unit));
    m_form.noPrint = m_ingredients.GetInteger(Fields::Ingredient::NoPrint) != 0;
    m_form.remark = m_ingredients.IsEmpty(Fields::Ingredient::Remark)
                        ? QString()
                        : MemoText::forEditing(m_ingredients.GetMemo(Fields::Ingredient::Remark));
}

QString IngredientEditSession::caption() const {
    return m_mode == Mode::New ? QStringLiteral("Neue Zutat") : QStringLiteral("Zutat bearbeiten");
}

AlcoholField::Text IngredientEditSession::alcoholTyped(const QString& text, int caret) {
    const AlcoholField::Text result = AlcoholField::typed(m_form.alcohol, caret, text);
    m_form.alcohol = result.text;
    return result;
}

AlcoholField::Text IngredientEditSession::stepAlcohol(int delta) {
    const AlcoholField::Text result = AlcoholField::stepped(m_form.alcohol, delta);
    m_form.alcohol = result.text;
    return result;
}

IngredientEditSession::Outcome IngredientEditSession::ok() {
    Outcome out;
    const int liquid = UnitKind::liquidClass(m_form.kind);
    const int liquidBefore = UnitKind::liquidClass(m_opening.kind);
    out.recomputeAlcohol = liquid != liquidBefore || m_form.alcohol.trimmed() != m_opening.alcohol.trimmed();
    const QString name = m_form.name.trimmed();
    if (name.isEmpty()) {
        out.notices.append(Notice::hint(QStringLiteral("Bitte geben Sie einen Namen ein."), 1));
        return out;
    }
    if (nameTaken(name)) {
        out.notices.append(Notice::hint(QStringLiteral("Eine Zutat mit diesem Namen existiert schon."), 1));
        return out;
    }
    const int alcohol = AlcoholField::value(m_form.alcohol);
    if (liquid != 0 && (alcohol < 0 || alcohol > AlcoholField::kMax)) {
        out.notices.append(
            Notice::hint(QStringLiteral("Bitte geben Sie einen Alkoholwert zwischen 0 und 99 ein."), 2));
        return out;
    }
    if (const QString c = Cp1252::firstUnencodable(name + m_form.remark); !c.isEmpty()) {
        out.notices.append(Notice::unstorable(c));
        return out;
    }
    out.changed = m_form.alcohol.trimmed() != m_opening.alcohol.trimmed() ||
                  name != m_opening.name.trimmed() || m_form.kind != m_opening.kind ||
                  m_form.remark != m_opening.remark;
    out.printFlagChanged = m_form.noPrint != m_opening.noPrint;
    out.accepted = out.changed || out.printFlagChanged;
    return out;
}

bool IngredientEditSession::nameTaken(const QString& name) const {
    const FoldedName wanted(name);
    const int recNo = m_ingredients.RecNo();
    TurboRead fast(m_ingredients);
    bool taken = false;
    for (m_ingredients.GoTop(); !m_ingredients.Eof() && !taken; m_ingredients.Skip()) {
        const bool self =
            m_mode == Mode::Edit && m_ingredients.GetInteger(Fields::Ingredient::Number) == m_number;
        taken = !self && wanted.matches(m_ingredients.GetRawBytes(Fields::Ingredient::Name));
    }
    m_ingredients.Go(recNo);
    return taken;
}
