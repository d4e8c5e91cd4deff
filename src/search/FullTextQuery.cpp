#include "search/FullTextQuery.h"

#include "common/RecipeBook.h"
#include "common/TextFold.h"
#include "store/Fields.h"
#include "store/RecipeMemo.h"
#include "store/TApollo.h"

#include <QRegularExpression>

FullTextQuery::FullTextQuery(const QString& text) {
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        const QString folded = TextFold::fold(word);
        if (!folded.isEmpty() && !m_words.contains(folded))
            m_words.append(folded);
    }
}

bool FullTextQuery::matches(const QString& name, const QString& memo) const {
    // The memo holds instructions and remark with a separator of two letters that must not match.
    QString memoText = memo;
    memoText.replace(RecipeMemo::separator(), QStringLiteral("\n"));
    const TextFold::Folded text = TextFold::prepare(name + QLatin1Char('\n') + memoText);
    for (const QString& word : m_words) {
        if (!TextFold::contains(text, word))
            return false;
    }
    return true;
}

RecipeRecordTest FullTextQuery::recordTest() const {
    if (isEmpty())
        return {};
    return [query = *this](TApollo& recipes) {
        return query.matches(RecipeBook::name(recipes), RecipeBook::memo(recipes));
    };
}
