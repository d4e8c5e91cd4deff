#include "search/SearchSession.h"

#include "common/AppState.h"
#include "search/SearchPass.h"
#include "store/AtomicFile.h"
#include "store/Cp1252.h"
#include "store/SavedSearches.h"

#include <algorithm>

namespace {
// Bytes of the record; larger values would wrap into harmless-looking small ones.
int byteValue(int value) {
    return qBound(0, value, 255);
}

// The second page as SUCHTEXT.CFG keeps it: words, so that the file reads and a changed order of the
// boxes does not change a saved search; a word the boxes do not know leaves its criterion at "egal".
SavedSearchTexts::Extras extrasOf(const SearchForm::Traits& traits) {
    SavedSearchTexts::Extras e;
    if (traits.preparation > 0)
        e.preparation = DrinkTraits::preparationNames().at(traits.preparation);
    if (traits.glass > 0)
        e.glass = DrinkTraits::glassNames().at(traits.glass);
    for (int m = 0; m < IngredientMarks::kMarks; ++m) {
        if (traits.freeOf[size_t(m)])
            e.without << IngredientMarks::word(IngredientMarks::Mark(m));
    }
    e.minStars = traits.minStars;
    return e;
}

SearchForm::Traits traitsOf(const SavedSearchTexts::Extras& extras) {
    SearchForm::Traits t;
    const auto indexOf = [](const QStringList& names, const QString& word) {
        for (int i = 1; i < int(names.size()); ++i) {
            if (names.at(i).compare(word.simplified(), Qt::CaseInsensitive) == 0)
                return i;
        }
        return 0;
    };
    t.preparation = indexOf(DrinkTraits::preparationNames(), extras.preparation);
    t.glass = indexOf(DrinkTraits::glassNames(), extras.glass);
    for (const QString& word : extras.without) {
        if (const std::optional<IngredientMarks::Mark> mark = IngredientMarks::markOf(word))
            t.freeOf[size_t(*mark)] = true;
    }
    t.minStars = extras.minStars;
    return t;
}

QString withoutSurroundingSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}
} // namespace

SearchSession::SearchSession(AppState& state) : m_state(state) {
    Reset();
    storeInto(m_current);
}

int SearchSession::clampedIndex(const QList<ListEntry>& entries, int index) {
    return index >= 0 && index < int(entries.size()) ? index : 0;
}

QString SearchSession::entryText(const QList<ListEntry>& entries, int index) const {
    return index > 0 && index < int(entries.size()) ? entries.at(index).text : SearchChoices::noChoice();
}

int SearchSession::entryKey(const QList<ListEntry>& entries, int index) const {
    return index > 0 && index < int(entries.size()) ? entries.at(index).data : -1;
}

int SearchSession::findByName(const QList<ListEntry>& entries, const QString& name, int capacity) {
    for (int i = 0; i < int(entries.size()); ++i) {
        if (entries.at(i).text.left(capacity).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int SearchSession::indexByName(const QList<ListEntry>& entries, const QString& name, int capacity) {
    return name.isEmpty() ? 0 : qMax(0, findByName(entries, name, capacity));
}

void SearchSession::refreshChoices() {
    SearchCriteria names;
    storeInto(names);
    m_choices = SearchChoices::build(m_state.catalogue.ingredients().zutatliste,
                                     m_state.catalogue.categories(), m_state.catalogue.tastes());
    selectByNames(names);
}

void SearchSession::setIngredient(int row, int index) {
    m_form.ingredient[size_t(row)] = clampedIndex(m_choices.ingredients, index);
}

void SearchSession::setAlternative(int row, int index) {
    m_form.alternative[size_t(row)] = clampedIndex(m_choices.ingredients, index);
}

void SearchSession::setWithout(int row, bool without) {
    m_form.without[size_t(row)] = without;
}

void SearchSession::setCategory(int index) {
    m_form.category = clampedIndex(m_choices.categories, index);
}

void SearchSession::setTaste(int index) {
    m_form.taste = clampedIndex(m_choices.tastes, index);
}

NumberText::Edited SearchSession::editMinimum(const QString& text) {
    const NumberText::Edited edited = NumberText::percent(text);
    m_form.minimum = edited.text;
    return edited;
}

NumberText::Edited SearchSession::editMaximum(const QString& text) {
    const NumberText::Edited edited = NumberText::percent(text);
    m_form.maximum = edited.text;
    return edited;
}

void SearchSession::stepMinimum(int delta) {
    m_form.minimum = NumberText::percent(
        NumberText::stepped(NumberText::percentValue(m_form.minimum), delta, kMaxPercent));
}

void SearchSession::stepMaximum(int delta) {
    m_form.maximum = NumberText::percent(
        NumberText::stepped(NumberText::percentValue(m_form.maximum), delta, kMaxPercent));
}

void SearchSession::stepPurchases(int delta) {
    m_form.purchases = QString::number(NumberText::stepped(purchases(), delta, kMaxPurchases));
}

void SearchSession::setPreparation(int index) {
    m_form.traits.preparation = index > 0 && index < int(DrinkTraits::preparationNames().size()) ? index : 0;
}

void SearchSession::setGlass(int index) {
    m_form.traits.glass = index > 0 && index < int(DrinkTraits::glassNames().size()) ? index : 0;
}

void SearchSession::setMinStars(int stars) {
    m_form.traits.minStars = stars > 0 && stars <= MyDrinks::kMaxStars ? stars : 0;
}

void SearchSession::setBar(int bar) {
    m_form.bar = bar >= 0 && bar < kBars ? bar : 0;
}

void SearchSession::begin() {
    refreshChoices();
    setBar(m_state.settings.options().get(OptionsRecord::HomeBar) - 1);
    storeInto(m_current);
    m_currentFullText = m_form.fullText;
    m_currentTraits = m_form.traits;
}

Result SearchSession::confirm() {
    m_state.settings.changeOptions().set(OptionsRecord::HomeBar, quint8(m_form.bar + 1));
    const int purchases = NumberText::plainValue(m_form.purchases);
    if (purchases < 0)
        m_form.purchases = QStringLiteral("0");
    m_state.searchPurchases = qMax(0, purchases);
    if (const std::optional<Notice> refused = rangeNotice())
        return Result::refused(*refused);
    return Result::ok();
}

std::optional<Notice> SearchSession::rangeNotice() const {
    const int minimum = NumberText::percentValue(m_form.minimum);
    const int maximum = NumberText::percentValue(m_form.maximum);
    if (maximum > kMaxPercent)
        return Notice::hint(alcoholRangeNotice(), kAlcoholNoticeLines);
    if (maximum < minimum)
        return Notice::hint(minimumAboveMaximumNotice(), kAlcoholNoticeLines);
    return std::nullopt;
}

void SearchSession::Reset() {
    m_form = SearchForm();
}

void SearchSession::SetzeKriterium(const SearchCriteria& criteria) {
    m_form.minimum = NumberText::percent(criteria.minAlcohol());
    m_form.maximum = NumberText::percent(criteria.maxAlcohol());
    // A damaged file may hold more purchases than the one-digit field shows; what is shown is what
    // is searched with. (A range beyond 99 stays: OK refuses it with its notice.)
    m_form.purchases = QString::number(qMin(criteria.purchases(), int(kMaxPurchases)));
    for (int row = 0; row < SearchForm::kRows; ++row)
        m_form.without[size_t(row)] = criteria.without(row);
    selectByNames(criteria);
    setBar(criteria.homeBarIndex());
    m_form.ownOnly = criteria.ownOnly();
    m_form.homeBarOnly = criteria.homeBarOnly();
    m_form.markedOnly = criteria.markedOnly();
}

void SearchSession::selectByNames(const SearchCriteria& criteria) {
    const QList<ListEntry>& ingredients = m_choices.ingredients;
    for (int row = 0; row < SearchForm::kRows; ++row) {
        m_form.ingredient[size_t(row)] =
            indexByName(ingredients, criteria.ingredient(row), SearchCriteria::kMaxIngredient);
        m_form.alternative[size_t(row)] =
            indexByName(ingredients, criteria.alternative(row), SearchCriteria::kMaxIngredient);
    }
    m_form.taste = indexByName(m_choices.tastes, criteria.taste(), SearchCriteria::kMaxCategory);
    m_form.category = indexByName(m_choices.categories, criteria.category(), SearchCriteria::kMaxCategory);
}

void SearchSession::storeInto(SearchCriteria& criteria) const {
    criteria.setHomeBarIndex(m_form.bar);
    criteria.setOwnOnly(m_form.ownOnly);
    for (int row = 0; row < SearchForm::kRows; ++row) {
        criteria.setWithout(row, m_form.without[size_t(row)]);
        criteria.setIngredient(row, entryText(m_choices.ingredients, m_form.ingredient[size_t(row)]));
        criteria.setAlternative(row, entryText(m_choices.ingredients, m_form.alternative[size_t(row)]));
    }
    criteria.setMinAlcohol(byteValue(NumberText::percentValue(m_form.minimum)));
    criteria.setMaxAlcohol(byteValue(NumberText::percentValue(m_form.maximum)));
    criteria.setMarkedOnly(m_form.markedOnly);
    criteria.setHomeBarOnly(m_form.homeBarOnly);
    criteria.setPurchases(byteValue(purchases()));
    criteria.setCategory(entryText(m_choices.categories, m_form.category));
    criteria.setTaste(entryText(m_choices.tastes, m_form.taste));
}

QList<ListEntry> SearchSession::infoIngredients() const {
    QList<ListEntry> out;
    for (int row = 0; row < SearchForm::kRows; ++row) {
        for (const int index : {m_form.ingredient[size_t(row)], m_form.alternative[size_t(row)]}) {
            if (index > 0 && index < int(m_choices.ingredients.size()))
                out.append(m_choices.ingredients.at(index));
        }
    }
    return out;
}

std::optional<Notice> SearchSession::infoNotice() const {
    if (!infoIngredients().isEmpty())
        return std::nullopt;
    return Notice::hint(noIngredientsNotice(), kNoIngredientsLines);
}

SearchFilter::Terms SearchSession::terms() const {
    SearchFilter::Terms t;
    for (int row = 0; row < SearchForm::kRows; ++row) {
        SearchFilter::Row& r = t.rows[size_t(row)];
        r.ingredient = qMax(0, entryKey(m_choices.ingredients, m_form.ingredient[size_t(row)]));
        r.alternative = qMax(0, entryKey(m_choices.ingredients, m_form.alternative[size_t(row)]));
        r.without = m_form.without[size_t(row)];
    }
    t.categoryPosition = entryKey(m_choices.categories, m_form.category);
    t.tastePosition = entryKey(m_choices.tastes, m_form.taste);
    const int minimum = NumberText::percentValue(m_form.minimum);
    t.maximumAlcohol = NumberText::percentValue(m_form.maximum);
    t.minimumAlcohol =
        minimum == 0 && t.maximumAlcohol == kMaxPercent ? SearchFilter::kNoAlcoholClause : minimum;
    t.markedOnly = m_form.markedOnly;
    t.ownOnly = m_form.ownOnly;
    return t;
}

QStringList SearchSession::slotNames() const {
    QStringList names;
    for (int slot = 0; slot < SavedSearches::kSlots; ++slot)
        names << m_state.savedSearches.slot(slot).name();
    return names;
}

void SearchSession::loadSlot(int slot) {
    const SearchCriteria& criteria = m_state.savedSearches.slot(slot);
    SetzeKriterium(criteria);
    m_form.fullText = m_state.savedSearchTexts.text(slot, criteria.name());
    m_form.traits = traitsOf(m_state.savedSearchTexts.extras(slot, criteria.name()));
}

QStringList SearchSession::unknownNames(int slot) const {
    const SearchCriteria& criteria = m_state.savedSearches.slot(slot);
    QStringList unknown;
    const auto check = [&unknown](const QString& kind, const QList<ListEntry>& entries, const QString& name,
                                  int capacity) {
        if (!name.isEmpty() && findByName(entries, name, capacity) < 0)
            unknown << kind + QStringLiteral(" „") + name + QStringLiteral("“");
    };
    for (int row = 0; row < SearchForm::kRows; ++row) {
        const QString first = criteria.ingredient(row);
        check(QStringLiteral("Zutat"), m_choices.ingredients, first, SearchCriteria::kMaxIngredient);
        const bool chosen = findByName(m_choices.ingredients, first, SearchCriteria::kMaxIngredient) > 0;
        if (chosen && !criteria.without(row))
            check(QStringLiteral("Zutat"), m_choices.ingredients, criteria.alternative(row),
                  SearchCriteria::kMaxIngredient);
    }
    check(QStringLiteral("Kategorie"), m_choices.categories, criteria.category(),
          SearchCriteria::kMaxCategory);
    check(QStringLiteral("Geschmacksrichtung"), m_choices.tastes, criteria.taste(),
          SearchCriteria::kMaxCategory);
    return unknown;
}

std::optional<int> SearchSession::liveCount(TApollo& recipes) const {
    if (rangeNotice())
        return std::nullopt;
    SearchPass::KeepRecipe keep;
    if (m_form.homeBarOnly)
        keep = [test = m_state.barCoverage().test(m_form.bar + 1, purchases())](const QList<int>& numbers) {
            return test.keeps(numbers);
        };
    return SearchPass::count(recipes, expression(), keep, recordTest(recipes));
}

RecipeRecordTest SearchSession::recordTest(TApollo& recipes) const {
    // The names the words are also looked for in are gathered only when there are words: the live
    // count asks after every change.
    FullTextQuery query(m_form.fullText);
    if (!query.isEmpty())
        query = FullTextQuery(
            m_form.fullText, FullTextQuery::Names::of(m_state.catalogue, m_state.aliases, &m_state.myDrinks));
    const RecipeRecordTest text = query.recordTest(m_textIndex, recipes);
    const RecipeRecordTest traits = this->traits().recordTest(m_textIndex, recipes);
    if (!traits || !text)
        return traits ? traits : text;
    return [traits, text](TApollo& recipes) { return traits(recipes) && text(recipes); };
}

DrinkTraits SearchSession::traits() const {
    const SearchForm::Traits& f = m_form.traits;
    DrinkTraits t;
    if (f.preparation > 0)
        t.preparation = GlassStrength::Preparation(f.preparation - 1);
    if (f.glass > 0)
        t.glass = ServingGlass::Kind(f.glass - 1);
    QList<IngredientMarks::Mark> marks;
    for (int m = 0; m < IngredientMarks::kMarks; ++m) {
        if (f.freeOf[size_t(m)])
            marks << IngredientMarks::Mark(m);
    }
    if (!marks.isEmpty())
        t.avoided = m_state.marks.marked(marks, m_state.catalogue.ingredients().zutatliste);
    t.minStars = f.minStars;
    if (t.minStars > 0)
        t.stars = m_state.myDrinks.allStars();
    return t;
}

QString SearchSession::marksNote() const {
    if (!m_state.marks.found())
        return QStringLiteral("%1 fehlt im Datenordner: Keine Zutat ist markiert.")
            .arg(IngredientMarks::fileName());
    return QStringLiteral("Welche Zutaten das sind, steht in %1. Eine Hilfe, keine Garantie: Bei Allergien "
                          "die Etiketten selbst lesen.")
        .arg(IngredientMarks::fileName());
}

std::optional<Notice> SearchSession::marksNotice(bool confirming) {
    const auto& freeOf = m_form.traits.freeOf;
    const bool used = std::find(freeOf.cbegin(), freeOf.cend(), true) != freeOf.cend();
    if (m_marksReported || (confirming && !used))
        return std::nullopt;
    QStringList names;
    for (const ListEntry& e : m_state.catalogue.ingredients().zutatliste)
        names << e.text;
    const QList<IngredientMarks::Problem> problems = m_state.marks.check(names);
    if (problems.isEmpty())
        return std::nullopt;
    m_marksReported = true;
    constexpr int kShown = 5;
    QString text = QStringLiteral("In %1 im Datenordner kann die Suche diese Zeilen nicht lesen und übergeht "
                                  "sie:")
                       .arg(IngredientMarks::fileName());
    for (qsizetype i = 0; i < qMin<qsizetype>(problems.size(), kShown); ++i)
        text += QStringLiteral("\rZeile %1: %2").arg(problems.at(i).line).arg(problems.at(i).text);
    if (problems.size() > kShown)
        text += QStringLiteral("\rund %1 weitere").arg(problems.size() - kShown);
    const int listed = int(qMin<qsizetype>(problems.size(), kShown)) + (problems.size() > kShown ? 1 : 0);
    return Notice::hint(text, 2 + listed); // the first line takes two
}

Result SearchSession::saveSlot(int slot, const QString& name) {
    if (const Result may = m_state.run.mayWrite(); !may)
        return may;
    const QString stripped = withoutSurroundingSpaces(name.left(255));
    if (stripped.isEmpty())
        return Result::ok();
    if (const QString c = Cp1252::firstUnencodable(stripped.left(SearchCriteria::kMaxName)); !c.isEmpty())
        return Result::refused(Notice::unstorable(c));
    SearchCriteria& criteria = m_state.savedSearches.slot(slot);
    const SearchCriteria before = criteria;
    criteria.setName(stripped.left(SearchCriteria::kMaxName));
    storeInto(criteria);
    // On disk at once, so that neither a crash nor a full disk at the end loses it; what could not
    // be written is not kept in memory either.
    QString reason;
    if (!m_state.savedSearches.save(m_state.savedSearchesPath(), false, &reason)) {
        criteria = before;
        return Result::refused(
            Notice::error(AtomicFile::failureText(m_state.savedSearchesPath(), reason), 3));
    }
    SavedSearchTexts& texts = m_state.savedSearchTexts;
    texts.set(slot, criteria.name(), m_form.fullText, extrasOf(m_form.traits));
    if (!texts.save(m_state.savedSearchTextsPath()))
        return Result::refused(
            Notice::error(fullTextNotSavedNotice(m_state.savedSearchTextsPath()), kFullTextNotSavedLines));
    return Result::ok();
}
