#include "search/FullTextQuery.h"

#include "common/Catalogue.h"
#include "common/RecipeBook.h"
#include "common/TextFold.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"

#include <QRegularExpression>

FullTextQuery::Names FullTextQuery::Names::of(const Catalogue& catalogue) {
    Names names;
    for (const ListEntry& e : catalogue.ingredients().zutatliste)
        names.ingredients.insert(e.data, e.text);
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

// Free slots ("~") and numbers outside the lists name nothing.
QStringList FullTextQuery::namesOf(TApollo& recipes) const {
    QStringList names;
    for (int number : RecipeBook::ingredientNumbers(recipes))
        if (const auto it = m_names.ingredients.constFind(number); it != m_names.ingredients.cend())
            names << *it;
    const RecipeBook::Classification c = RecipeBook::classification(recipes);
    for (const auto& [position, list] :
         {std::pair{c.category, &m_names.categories}, std::pair{c.taste, &m_names.tastes}})
        if (position >= 1 && position <= list->size() && !list->at(position - 1).startsWith(QLatin1Char('~')))
            names << list->at(position - 1);
    if (const auto it = m_names.decorations.constFind(c.decoration); it != m_names.decorations.cend())
        names << *it;
    return names;
}

RecipeRecordTest FullTextQuery::recordTest() const {
    if (isEmpty())
        return {};
    return [query = *this](TApollo& recipes) {
        return query.matches(RecipeBook::name(recipes), RecipeBook::memo(recipes), query.namesOf(recipes));
    };
}
