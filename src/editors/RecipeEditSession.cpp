#include "editors/RecipeEditSession.h"

#include "common/TypeAhead.h"
#include "editors/IngredientInfo.h"
#include "editors/RecipeReader.h"
#include "editors/RecipeWriter.h"
#include "store/MemoText.h"
#include "store/UnitKind.h"

RecipeEditSession::RecipeEditSession(const RecipeSources& sources) : m_sources(sources) {}

void RecipeEditSession::setSettings(int dashesPerCl, const QString& ownPhotosFolder, bool canrMode) {
    m_sources.dashesPerCl = dashesPerCl;
    m_sources.ownPhotosFolder = ownPhotosFolder;
    m_sources.canrMode = canrMode;
}

void RecipeEditSession::setIngredients(const QList<ListEntry>& ingredients) {
    // The selection follows the ingredient by its number: a name added or renamed above it moves
    // its row. A deleted ingredient leaves the first one selected.
    const int number = tagAt(m_ingredients, m_selected, -1);
    m_ingredients = ingredients;
    m_lastHandled = -5; // its unit may have changed
    const int row = number < 0 ? -1 : indexOfTag(m_ingredients, number, 0);
    if (row >= 0)
        m_selected = row;
    else if (m_selected >= 0)
        m_selected = m_ingredients.isEmpty() ? -1 : 0;
    selectIngredient(m_selected);
}

void RecipeEditSession::setDecorations(const QList<ListEntry>& decorations) {
    m_decorations = decorations;
    m_form.decoration = m_decorations.isEmpty() ? -1 : 0;
}

void RecipeEditSession::clear() {
    m_lines.clear();
    m_form = RecipeForm();
}

void RecipeEditSession::prepareNew() {
    clear();
    m_mode = Mode::New;
    m_recNo = 0;
    m_form.category = m_categories.isEmpty() ? -1 : 0;
    m_form.taste = m_tastes.isEmpty() ? -1 : 0;
    m_form.decoration = m_decorations.isEmpty() ? -1 : 0;
    m_form.photoLimit = RecipeForm::kNewPhotoLength;
}

void RecipeEditSession::prepareEdit(const QString& name, int recNo) {
    const RecipeDraft d = RecipeReader::read(m_sources, recNo);
    clear();
    m_mode = Mode::Edit;
    m_recNo = recNo;
    m_form.name = name;
    // A name stored longer than the field (imports keep up to 40 characters) is shown whole and
    // saved whole unless the user shortens it.
    m_form.nameLimit = qMax(int(RecipeForm::kNameLength), int(name.size()));
    m_form.canr = m_sources.canrMode ? QString::number(d.canr.value_or(0)) : QString();
    // Entry 0 of each box is "(keine Zuordnung)" and carries key 0 like the first list entry.
    m_form.category = indexOfTag(m_categories, d.kat - 1, 1);
    m_form.taste = d.gesch == 0 ? (m_tastes.isEmpty() ? -1 : 0) : indexOfTag(m_tastes, d.gesch - 1, 1);
    m_form.decoration = m_decorations.isEmpty() ? -1 : qMax(0, indexOfTag(m_decorations, d.deko, 0));
    m_form.photo = d.photo;
    m_form.photoLimit = qMax(int(RecipeForm::kPhotoLength), int(d.photo.size()));
    m_form.instructions = MemoText::forEditing(d.instructions);
    m_form.remark = MemoText::forEditing(d.remark);
    m_lines = d.lines;
}

RecipeEditSession::ChosenKeys RecipeEditSession::chosenKeys() const {
    const auto key = [](const QList<ListEntry>& entries, int index) {
        return index > 0 ? tagAt(entries, index, -1) : -1;
    };
    return {key(m_categories, m_form.category), key(m_tastes, m_form.taste),
            key(m_decorations, m_form.decoration)};
}

void RecipeEditSession::reselect(const ChosenKeys& keys) {
    const auto index = [](const QList<ListEntry>& entries, int key) {
        if (entries.isEmpty())
            return -1;
        return key < 0 ? 0 : indexOfTag(entries, key, 1);
    };
    m_form.category = index(m_categories, keys.category);
    m_form.taste = index(m_tastes, keys.taste);
    m_form.decoration = qMax(0, index(m_decorations, keys.decoration));
}

QString RecipeEditSession::caption() const {
    return m_mode == Mode::New ? QStringLiteral("Rezept hinzufügen") : QStringLiteral("Rezept bearbeiten");
}

QString RecipeEditSession::lineListLabel() const {
    if (m_sources.canrMode && m_mode == Mode::Edit)
        return QString::number(m_recNo);
    return QStringLiteral("Rezept:");
}

int RecipeEditSession::indexOfTag(const QList<ListEntry>& entries, int tag, int from) {
    for (int i = from; i < int(entries.size()); ++i) {
        if (entries.at(i).data == tag)
            return i;
    }
    return -1;
}

int RecipeEditSession::tagAt(const QList<ListEntry>& entries, int index, int fallback) {
    return index >= 0 && index < int(entries.size()) ? entries.at(index).data : fallback;
}

void RecipeEditSession::begin() {
    m_lastHandled = -5;
    selectIngredient(m_ingredients.isEmpty() ? -1 : 0);
}

bool RecipeEditSession::selectIngredient(int index) {
    m_selected = index >= 0 && index < int(m_ingredients.size()) ? index : -1;
    if (m_selected == m_lastHandled)
        return false;
    m_kind = UnitKind::None;
    if (m_selected >= 0) {
        const std::optional<IngredientInfo> info =
            IngredientInfo::find(m_sources.ingredients, m_ingredients.at(m_selected).data);
        m_kind = info ? info->kind : int(UnitKind::None);
    }
    m_amount = AmountField::initial(m_kind);
    m_lastHandled = m_selected;
    return true;
}

int RecipeEditSession::typeAhead(const QString& text) {
    const int index = TypeAhead::find(m_ingredients, text);
    if (index >= 0)
        selectIngredient(index);
    return index;
}

bool RecipeEditSession::amountEnabled() const {
    return m_kind != UnitKind::None;
}

AmountField::Text RecipeEditSession::amountTyped(const QString& text, int caret) {
    const AmountField::Text result = AmountField::typed(m_amount, caret, text, m_kind);
    m_amount = result.text;
    return result;
}

AmountField::Text RecipeEditSession::stepAmount(int delta) {
    if (!amountEnabled())
        return {m_amount, int(m_amount.size())};
    const AmountField::Text result = AmountField::stepped(m_amount, delta, m_kind);
    m_amount = result.text;
    return result;
}

std::optional<Notice> RecipeEditSession::addLine() {
    if (m_lines.size() >= kMaxLines)
        return Notice::hint(QStringLiteral("Ein Rezept kann aus maximal 20 Zutaten bestehen."), 1);
    if (m_selected < 0)
        return Notice::hint(QStringLiteral("Bitte wählen Sie erst eine Zutat in der linken Liste aus."), 2);
    const ListEntry& ingredient = m_ingredients.at(m_selected);
    const QString name = ListEntry::withoutTrailingBlanks(ingredient.text);
    if (m_amount == AmountField::noAmount()) {
        m_lines.append(RecipeLine::make(ingredient.data, 0, UnitKind::None, name));
        return std::nullopt;
    }
    const int amount = AmountField::value(m_amount);
    if (amount > AmountField::kMaxAmount)
        return Notice::hint(AmountField::tooLarge(m_kind), 2);
    m_lines.append(RecipeLine::make(ingredient.data, amount, m_kind, name));
    return std::nullopt;
}

std::optional<Notice> RecipeEditSession::removeLine(int index, int* select) {
    if (index < 0 || index >= int(m_lines.size()))
        return Notice::hint(QStringLiteral("Bitte wählen Sie erst eine Zutat in der rechten Liste aus."), 2);
    m_lines.removeAt(index);
    *select = m_lines.isEmpty() ? -1 : qMax(0, index - 1);
    return std::nullopt;
}

RecipeDraft RecipeEditSession::draft() const {
    RecipeDraft d;
    d.name = m_form.name;
    d.photo = m_form.photo.trimmed();
    d.lines = m_lines;
    d.kat = m_form.category >= 1 ? tagAt(m_categories, m_form.category, -1) + 1 : 0;
    d.gesch = m_form.taste >= 1 ? tagAt(m_tastes, m_form.taste, -1) + 1 : 0;
    d.deko = qMax(0, tagAt(m_decorations, m_form.decoration, 0));
    d.instructions = m_form.instructions;
    d.remark = m_form.remark;
    if (m_sources.canrMode) {
        bool ok = false;
        const int canr = m_form.canr.trimmed().toInt(&ok);
        d.canr = ok ? canr : 0;
    }
    return d;
}

RecipeChecks::Outcome RecipeEditSession::check() {
    RecipeDraft d = draft();
    const RecipeChecks::Outcome outcome = RecipeChecks::run(m_sources, d, m_mode == Mode::Edit ? m_recNo : 0);
    m_form.name = d.name;
    return outcome;
}

int RecipeEditSession::WriteRecipe(bool keepMark) {
    RecipeDraft d = draft();
    d.keepMark = keepMark;
    d.name = d.name.trimmed();
    const int recNo = RecipeWriter::WriteRecipe(m_sources, d, m_mode == Mode::New, m_recNo);
    m_savedName = d.name;
    m_savedRecNo = recNo;
    return recNo;
}
