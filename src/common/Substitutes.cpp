#include "common/Substitutes.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

bool validNumber(int number) {
    return number >= 0 && number < int(IngredientSet().size());
}

} // namespace

Substitutes Substitutes::resolve(const SubstituteFile& file, const QList<ListEntry>& ingredients,
                                 QList<SubstituteFile::Problem>* problems) {
    QHash<QString, int> numbers;
    for (const ListEntry& e : ingredients)
        numbers.insert(e.text.toCaseFolded(), e.data);
    QList<SubstituteFile::Problem> found = file.problems();
    // A line with an unknown name is skipped as a whole, reported once with the first such name.
    QSet<int> badLines;
    for (const SubstituteFile::Rule& rule : file.rules()) {
        for (const QString& name : {rule.wanted, rule.standIn}) {
            if (numbers.contains(name.toCaseFolded()) || badLines.contains(rule.line))
                continue;
            badLines.insert(rule.line);
            found.append({rule.line, QStringLiteral("unbekannte Zutat „%1“").arg(name)});
        }
    }
    Substitutes result;
    for (const SubstituteFile::Rule& rule : file.rules())
        if (!badLines.contains(rule.line))
            result.add(numbers.value(rule.wanted.toCaseFolded()), numbers.value(rule.standIn.toCaseFolded()));
    if (problems) {
        std::stable_sort(found.begin(), found.end(),
                         [](const auto& a, const auto& b) { return a.line < b.line; });
        *problems = found;
    }
    return result;
}

void Substitutes::add(int wanted, int standIn) {
    if (validNumber(wanted) && validNumber(standIn) && wanted != standIn)
        m_pairs.emplace_back(wanted, standIn);
}

int Substitutes::standInFrom(int wanted, const IngredientSet& at) const {
    for (const auto& [w, standIn] : m_pairs)
        if (w == wanted && at.test(size_t(standIn)))
            return standIn;
    return 0;
}

IngredientSet Substitutes::cover(const IngredientSet& at) const {
    IngredientSet covered = at;
    for (const auto& [wanted, standIn] : m_pairs)
        if (at.test(size_t(standIn)))
            covered.set(size_t(wanted));
    return covered;
}
