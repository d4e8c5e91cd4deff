#include "common/HomeBarTable.h"

#include "common/RecipeBook.h"
#include "common/TurboRead.h"
#include "store/Fields.h"
#include "store/TApollo.h"

QString HomeBarTable::fieldName(int bar) {
    return QStringLiteral("H%1").arg(bar);
}

bool HomeBarTable::contains(int bar, int number) const {
    return validBar(bar) && validNumber(number) && m_flags[size_t(bar - 1)][size_t(number)];
}

void HomeBarTable::set(int bar, int number, bool inBar) {
    if (validBar(bar) && validNumber(number))
        m_flags[size_t(bar - 1)][size_t(number)] = inBar;
}

void HomeBarTable::clearNumber(int number) {
    for (int bar = 1; bar <= kBars; ++bar)
        set(bar, number, false);
}

void HomeBarTable::clear() {
    m_flags = {};
}

int HomeBarTable::count(int bar) const {
    int n = 0;
    for (int number = 0; number <= kMaxNumber; ++number)
        n += contains(bar, number) ? 1 : 0;
    return n;
}

void HomeBarTable::takeFlags(const TApollo& ingredients) {
    const int number = int(ingredients.GetInteger(Fields::Ingredient::Number));
    for (int bar = 1; bar <= kBars; ++bar)
        set(bar, number, ingredients.GetLogical(fieldName(bar)));
}

void HomeBarTable::fill(TApollo& ingredients) {
    clear();
    TurboRead fast(ingredients);
    for (ingredients.GoTop(); !ingredients.Eof(); ingredients.Skip())
        takeFlags(ingredients);
}

bool HomeBarTable::Mixable(const QString& z, int bar, int purchases) const {
    return test(bar, purchases).keeps(RecipeBook::numbersIn(z));
}

bool HomeBarTable::Mixable(const QString& z, const IngredientSet& present, int purchases) {
    return Mixable(RecipeBook::numbersIn(z), present, purchases);
}

bool HomeBarTable::Mixable(const QList<int>& numbers, const IngredientSet& present, int purchases) {
    int k = 0;
    for (int number : numbers)
        k += validNumber(number) && present.test(size_t(number)) ? 1 : 0;
    return k >= int(numbers.size()) - purchases;
}

IngredientSet HomeBarTable::present(int bar) const {
    IngredientSet set;
    if (validBar(bar))
        for (int number = 0; number <= kMaxNumber; ++number)
            set.set(size_t(number), m_flags[size_t(bar - 1)][size_t(number)]);
    return set;
}
