#include "editors/IngredientEditSession.h"

#include "common/TurboRead.h"
#include "editors/FoldedName.h"
#include "store/Cp1252.h"
#include "store/Fields.h"
#include "store/MemoText.h"
#include "store/TApollo.h"
#include "store/UnitKind.h"

#include <QRegularExpression>

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
    const int cents = int(m_ingredients.GetInteger(Fields::Ingredient::Price));
    const int pack = int(m_ingredients.GetInteger(Fields::Ingredient::Volume));
    m_form.price = priceText(cents);
    m_form.pack = packText(cents, pack);
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
    const QString price = m_form.price.trimmed();
    const QString pack = m_form.pack.trimmed();
    // Checked when touched: a stored price without its size (from elsewhere) does not block an edit.
    const bool touched = price != m_opening.price.trimmed() || pack != m_opening.pack.trimmed();
    if (touched && (!price.isEmpty() || !pack.isEmpty())) {
        const int cents = priceCents(price);
        if (cents <= 0 || cents > kMaxPriceCents) {
            out.notices.append(
                Notice::hint(QStringLiteral("Bitte geben Sie den Preis je Flasche oder Packung in "
                                            "Euro ein, zum Beispiel 12,99."),
                             2));
            return out;
        }
        bool ok = false;
        const int size = pack.toInt(&ok);
        if (!ok || size < 1 || size > kMaxPack) {
            out.notices.append(Notice::hint(
                QStringLiteral("Bitte geben Sie den Inhalt der Flasche oder Packung als ganze Zahl von 1 bis "
                               "99999 ein (in der Maßeinheit der Zutat, bei dash in cl)."),
                2));
            return out;
        }
    }
    if (const QString c = Cp1252::firstUnencodable(name + m_form.remark); !c.isEmpty()) {
        out.notices.append(Notice::unstorable(c));
        return out;
    }
    out.changed = m_form.alcohol.trimmed() != m_opening.alcohol.trimmed() ||
                  name != m_opening.name.trimmed() || m_form.kind != m_opening.kind ||
                  m_form.remark != m_opening.remark;
    out.printFlagChanged = m_form.noPrint != m_opening.noPrint;
    out.priceChanged = touched;
    out.accepted = out.changed || out.printFlagChanged || out.priceChanged;
    return out;
}

QString IngredientEditSession::priceText(int cents) {
    if (cents <= 0)
        return {};
    return QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

QString IngredientEditSession::packText(int cents, int pack) {
    return cents > 0 && pack > 0 ? QString::number(pack) : QString();
}

int IngredientEditSession::priceCents(const QString& text) {
    if (text.isEmpty())
        return 0;
    // Euros with a comma or a point and at most two decimals; an optional euro sign.
    static const QRegularExpression price(QStringLiteral("^(\\d{1,6})(?:[,.](\\d{1,2}))?\\s*€?$"));
    const QRegularExpressionMatch m = price.match(text.trimmed());
    if (!m.hasMatch())
        return -1;
    const QString decimals = m.captured(2);
    const int cents = decimals.isEmpty()     ? 0
                      : decimals.size() == 1 ? decimals.toInt() * 10
                                             : decimals.toInt();
    return m.captured(1).toInt() * 100 + cents;
}

int IngredientEditSession::storedPrice() const {
    const int cents = priceCents(m_form.price.trimmed());
    return cents > 0 ? cents : 0;
}

int IngredientEditSession::storedPack() const {
    return storedPrice() > 0 ? m_form.pack.trimmed().toInt() : 0;
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
