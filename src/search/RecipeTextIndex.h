#pragma once

#include "common/GlassStrength.h"
#include "common/ServingGlass.h"
#include "common/TextFold.h"
#include "store/RecordListener.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

struct DrinkTraits;
class FullTextQuery;
class TApollo;
class TTable;

// What the search reads from every recipe's texts, read once and kept current as records are
// written, so that a search reads no memo and folds no text: each recipe keeps the folded words of
// its name, instructions and remark, and the numbers of its ingredients, category, taste and
// decoration, whose names are matched once per search instead of once per recipe (a word of the
// query never holds a blank, so it matches a recipe's text exactly where it matches one of the text's
// words); and, once a search asked for them, how the drink is made and its glass.
class RecipeTextIndex : public RecordListener {
public:
    RecipeTextIndex() = default;
    ~RecipeTextIndex() override;
    RecipeTextIndex(const RecipeTextIndex&) = delete;
    RecipeTextIndex& operator=(const RecipeTextIndex&) = delete;

    // By record number (index 0 unused): 1 where the recipe holds every word of the query. Reads the
    // recipes written since the last call first; the cursor of `recipes` is set back afterwards.
    std::vector<char> matches(TApollo& recipes, const FullTextQuery& query);
    // The same for the search's further criteria.
    std::vector<char> keeping(TApollo& recipes, const DrinkTraits& traits);
    // How many recipes were read the last time the index was brought up to date.
    int lastRead() const { return m_lastRead; }

    void recordChanged(int recNo) override;
    void recordsReset() override;
    void tableGone() override;

private:
    struct Recipe {
        std::vector<int> words; // ids into m_words, each once
        QList<int> ingredients;
        int category = 0;
        int taste = 0;
        int decoration = 0;
        QString drinkKey; // the name as the drinks' other names are keyed
        GlassStrength::Preparation preparation = GlassStrength::Preparation::Built;
        std::optional<ServingGlass::Kind> glass;
        bool current = false;
        bool readingsKnown = false; // preparation and glass
    };

    void attach(TTable& table);
    void update(TApollo& recipes, bool withReadings);
    void read(TApollo& recipes, Recipe& recipe, bool withReadings);
    int wordId(const TextFold::Folded& text, qsizetype from, qsizetype to);

    TTable* m_table = nullptr;
    std::vector<Recipe> m_recipes; // by record number - 1
    bool m_someStale = true;
    bool m_someUnread = true;        // preparation or glass not read
    TextFold::Folded m_words;        // every word once, each followed by a line break
    std::vector<qsizetype> m_starts; // where each word begins in m_words, by id
    QHash<QString, int> m_wordIds;   // by the folded word followed by its umlaut marks
    int m_lastRead = 0;
};
