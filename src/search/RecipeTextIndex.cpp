#include "search/RecipeTextIndex.h"

#include "common/KeepPosition.h"
#include "common/RecipeBook.h"
#include "search/DrinkTraits.h"
#include "search/FullTextQuery.h"
#include "store/DbfFile.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"
#include "store/TTable.h"

#include <QSet>

#include <algorithm>
#include <optional>

RecipeTextIndex::~RecipeTextIndex() {
    if (m_table)
        m_table->removeListener(this);
}

void RecipeTextIndex::recordChanged(int recNo) {
    if (recNo >= 1 && recNo <= int(m_recipes.size())) {
        m_recipes[size_t(recNo - 1)].current = false;
        m_recipes[size_t(recNo - 1)].readingsKnown = false;
    }
    m_someStale = true;
    m_someUnread = true;
}

void RecipeTextIndex::recordsReset() {
    m_recipes.clear();
    m_words = {};
    m_starts.clear();
    m_wordIds.clear();
    m_someStale = true;
    m_someUnread = true;
}

void RecipeTextIndex::tableGone() {
    m_table = nullptr;
    recordsReset();
}

void RecipeTextIndex::attach(TTable& table) {
    if (m_table)
        m_table->removeListener(this);
    recordsReset();
    m_table = &table;
    table.addListener(this);
}

void RecipeTextIndex::update(TApollo& recipes, bool withReadings) {
    if (m_table != &recipes.table())
        attach(recipes.table());
    m_lastRead = 0;
    std::optional<KeepPosition> keep;
    const auto stale = [withReadings](const Recipe& r) {
        return !r.current || (withReadings && !r.readingsKnown);
    };
    // Moving posts what is pending on the current record, which may make a recipe stale again.
    for (;;) {
        const int count = recipes.table().file().recordCount();
        if (int(m_recipes.size()) != count) {
            m_recipes.resize(size_t(count));
            m_someStale = true;
            m_someUnread = true;
        }
        if (!m_someStale && !(withReadings && m_someUnread))
            return;
        if (!keep)
            keep.emplace(recipes);
        m_someStale = false;
        if (withReadings)
            m_someUnread = false;
        bool restart = false;
        for (int recNo = 1; recNo <= count && !restart; ++recNo) {
            Recipe& recipe = m_recipes[size_t(recNo - 1)];
            if (!stale(recipe))
                continue;
            recipes.Go(recNo);
            restart = recipes.RecNo() != recNo || recipes.table().file().recordCount() != count;
            if (!restart) {
                read(recipes, recipe, withReadings);
                ++m_lastRead;
            }
        }
        if (restart) {
            m_someStale = true;
            m_someUnread = true;
        }
    }
}

void RecipeTextIndex::read(TApollo& recipes, Recipe& recipe, bool withReadings) {
    const QString name = RecipeBook::name(recipes);
    QString memo = RecipeBook::memo(recipes);
    recipe.readingsKnown = withReadings;
    if (withReadings) {
        QString instructions;
        QString remark;
        RecipeMemo::split(memo, &instructions, &remark);
        recipe.preparation = GlassStrength::preparationOf(instructions);
        recipe.glass = ServingGlass::of(instructions);
    }
    // The memo holds instructions and remark with a separator of two letters that must not match.
    memo.replace(RecipeMemo::separator(), QStringLiteral("\n"));
    const TextFold::Folded text = TextFold::prepare(name + QLatin1Char('\n') + memo);
    QSet<int> seen;
    recipe.words.clear();
    for (qsizetype at = 0; at < text.text.size();) {
        while (at < text.text.size() && text.text.at(at).isSpace())
            ++at;
        qsizetype end = at;
        while (end < text.text.size() && !text.text.at(end).isSpace())
            ++end;
        if (end > at) {
            const int id = wordId(text, at, end);
            if (!seen.contains(id)) {
                seen.insert(id);
                recipe.words.push_back(id);
            }
        }
        at = end;
    }
    recipe.ingredients = RecipeBook::ingredientNumbers(recipes);
    const RecipeBook::Classification c = RecipeBook::classification(recipes);
    recipe.category = c.category;
    recipe.taste = c.taste;
    recipe.decoration = c.decoration;
    recipe.drinkKey = name.trimmed().toCaseFolded();
    recipe.current = true;
}

int RecipeTextIndex::wordId(const TextFold::Folded& text, qsizetype from, qsizetype to) {
    const QStringView word = QStringView(text.text).mid(from, to - from);
    const QByteArrayView marks = QByteArrayView(text.umlaut).sliced(from, to - from);
    // An umlaut and its plain letter fold alike but match differently: the marks belong to the key.
    QString key = word.toString();
    key += QChar(u'\x01');
    for (const char mark : marks)
        key += mark ? QLatin1Char('1') : QLatin1Char('0');
    const auto it = m_wordIds.constFind(key);
    if (it != m_wordIds.cend())
        return *it;
    const int id = int(m_starts.size());
    m_starts.push_back(m_words.text.size());
    m_words.text += word;
    m_words.text += QLatin1Char('\n');
    m_words.umlaut += marks;
    m_words.umlaut += '\0';
    m_wordIds.insert(key, id);
    return id;
}

namespace {

// The numbered names (ingredients, decorations) a word is found in.
QSet<int> namesHolding(const QHash<int, QString>& names, QStringView stem) {
    QSet<int> out;
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        if (TextFold::contains(TextFold::prepare(*it), stem))
            out.insert(it.key());
    }
    return out;
}

// List positions from 1 whose name holds the word; free slots ("~") name nothing.
std::vector<char> positionsHolding(const QStringList& names, QStringView stem) {
    std::vector<char> out(size_t(names.size()) + 1, 0);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names.at(i);
        if (!name.startsWith(QLatin1Char('~')) && TextFold::contains(TextFold::prepare(name), stem))
            out[size_t(i + 1)] = 1;
    }
    return out;
}

bool holds(const std::vector<char>& positions, int position) {
    return position >= 1 && position < int(positions.size()) && positions[size_t(position)];
}

} // namespace

std::vector<char> RecipeTextIndex::keeping(TApollo& recipes, const DrinkTraits& traits) {
    const bool readings = traits.preparation || traits.glass;
    update(recipes, readings);
    std::vector<char> kept(m_recipes.size() + 1, 0);
    for (size_t i = 0; i < m_recipes.size(); ++i) {
        const Recipe& r = m_recipes[i];
        kept[i + 1] = traits.keeps(readings ? std::optional(r.preparation) : std::nullopt, r.glass,
                                   r.ingredients, int(i + 1));
    }
    return kept;
}

std::vector<char> RecipeTextIndex::matches(TApollo& recipes, const FullTextQuery& query) {
    update(recipes, false);
    std::vector<char> found(m_recipes.size() + 1, 1);
    found[0] = 0;
    const FullTextQuery::Names& names = query.names();
    for (const QString& stem : query.stems()) {
        // One pass over all words: a match never runs past a word's line break.
        std::vector<char> wordHit(m_starts.size(), 0);
        bool anyWord = false;
        for (qsizetype at = TextFold::indexIn(m_words, stem, 0); at >= 0;) {
            const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), at);
            wordHit[size_t(next - m_starts.begin() - 1)] = 1;
            anyWord = true;
            if (next == m_starts.end())
                break;
            at = TextFold::indexIn(m_words, stem, *next);
        }
        const QSet<int> ingredients = namesHolding(names.ingredients, stem);
        const QSet<int> decorations = namesHolding(names.decorations, stem);
        const std::vector<char> categories = positionsHolding(names.categories, stem);
        const std::vector<char> tastes = positionsHolding(names.tastes, stem);
        const QSet<int> notes = namesHolding(names.notes, stem); // by record number
        QSet<QString> drinks;
        for (auto it = names.drinks.cbegin(); it != names.drinks.cend(); ++it) {
            if (TextFold::contains(TextFold::prepare(*it), stem))
                drinks.insert(it.key());
        }
        const bool anyName = !ingredients.isEmpty() || !decorations.isEmpty() || !drinks.isEmpty() ||
                             !notes.isEmpty() || std::count(categories.begin(), categories.end(), 1) > 0 ||
                             std::count(tastes.begin(), tastes.end(), 1) > 0;
        if (!anyWord && !anyName) // found nowhere: no recipe needs a look
            return std::vector<char>(found.size(), 0);
        for (size_t i = 0; i < m_recipes.size(); ++i) {
            if (!found[i + 1])
                continue;
            const Recipe& r = m_recipes[i];
            bool hit = holds(categories, r.category) || holds(tastes, r.taste) ||
                       decorations.contains(r.decoration) ||
                       (!drinks.isEmpty() && drinks.contains(r.drinkKey)) || notes.contains(int(i + 1));
            for (size_t w = 0; !hit && w < r.words.size(); ++w)
                hit = wordHit[size_t(r.words[w])];
            for (qsizetype n = 0; !hit && n < r.ingredients.size(); ++n)
                hit = ingredients.contains(r.ingredients.at(n));
            found[i + 1] = hit ? 1 : 0;
        }
    }
    return found;
}
