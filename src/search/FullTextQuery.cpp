#include "search/FullTextQuery.h"

#include "common/Aliases.h"
#include "common/Catalogue.h"
#include "common/MyDrinks.h"
#include "common/TextFold.h"
#include "search/RecipeTextIndex.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"

#include <QRegularExpression>

#include <memory>

FullTextQuery::Names FullTextQuery::Names::of(const Catalogue& catalogue, const Aliases& aliases,
                                              const MyDrinks* own) {
    Names names;
    if (own)
        names.notes = own->allNotes();
    // Other names join the name on lines of their own, so a word never runs from one into the next.
    for (const ListEntry& e : catalogue.ingredients().zutatliste)
        names.ingredients.insert(e.data, (QStringList{e.text} + aliases.ofIngredient(e.text)).join(u'\n'));
    for (const TypeAhead::OtherName& other : aliases.drinkNames()) {
        QString& joined = names.drinks[other.entryText.trimmed().toCaseFolded()];
        joined += (joined.isEmpty() ? QString() : QStringLiteral("\n")) + other.text;
    }
    names.categories = catalogue.categories();
    names.tastes = catalogue.tastes();
    for (const ListEntry& e : catalogue.decorations())
        names.decorations.insert(e.data, e.text);
    return names;
}

FullTextQuery::FullTextQuery(const QString& text, Names names) : m_names(std::move(names)) {
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        const QString folded = TextFold::fold(word);
        if (!folded.isEmpty() && !m_words.contains(folded)) {
            m_words.append(folded);
            m_stems.append(stem(folded));
        }
    }
}

QString FullTextQuery::stem(const QString& folded) {
    constexpr int kShortest = 4;
    for (const QLatin1StringView ending :
         {QLatin1StringView("en"), QLatin1StringView("n"), QLatin1StringView("e")}) {
        if (folded.endsWith(ending) && folded.size() - ending.size() >= kShortest)
            return folded.chopped(ending.size());
    }
    return folded;
}

bool FullTextQuery::matches(const QString& name, const QString& memo, const QStringList& more) const {
    // The memo holds instructions and remark with a separator of two letters that must not match.
    QString memoText = memo;
    memoText.replace(RecipeMemo::separator(), QStringLiteral("\n"));
    const TextFold::Folded text = TextFold::prepare(name + QLatin1Char('\n') + memoText + QLatin1Char('\n') +
                                                    more.join(QLatin1Char('\n')));
    for (qsizetype i = 0; i < m_words.size(); ++i) {
        if (!TextFold::contains(text, m_stems.at(i)))
            return false;
    }
    return true;
}

RecipeRecordTest FullTextQuery::recordTest(RecipeTextIndex& index, TApollo& recipes) const {
    if (isEmpty())
        return {};
    auto found = std::make_shared<const std::vector<char>>(index.matches(recipes, *this));
    return [found](TApollo& table) {
        const int recNo = table.RecNo();
        return recNo >= 1 && recNo < int(found->size()) && (*found)[size_t(recNo)];
    };
}
