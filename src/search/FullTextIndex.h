#pragma once

#include "common/TextFold.h"
#include "store/RecordListener.h"

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

class FullTextQuery;
class TApollo;
class TTable;

// The full text's words of every recipe, folded once and kept current as records are written, so
// that a search reads no memo and folds no text: each recipe keeps the folded words of its name,
// instructions and remark, and the numbers of its ingredients, category, taste and decoration, whose
// names are matched once per search instead of once per recipe. A word of the query never holds a
// blank, so it matches a recipe's text exactly where it matches one of the text's words.
class FullTextIndex : public RecordListener {
public:
    FullTextIndex() = default;
    ~FullTextIndex() override;
    FullTextIndex(const FullTextIndex&) = delete;
    FullTextIndex& operator=(const FullTextIndex&) = delete;

    // By record number (index 0 unused): 1 where the recipe holds every word of the query. Reads the
    // recipes written since the last call first; the cursor of `recipes` is set back afterwards.
    std::vector<char> matches(TApollo& recipes, const FullTextQuery& query);
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
        bool current = false;
    };

    void attach(TTable& table);
    void update(TApollo& recipes);
    void read(TApollo& recipes, Recipe& recipe);
    int wordId(const TextFold::Folded& text, qsizetype from, qsizetype to);

    TTable* m_table = nullptr;
    std::vector<Recipe> m_recipes; // by record number - 1
    bool m_someStale = true;
    TextFold::Folded m_words;        // every word once, each followed by a line break
    std::vector<qsizetype> m_starts; // where each word begins in m_words, by id
    QHash<QString, int> m_wordIds;   // by the folded word followed by its umlaut marks
    int m_lastRead = 0;
};
