#include "common/AliasFile.h"

#include "common/TextFold.h"
#include "store/Cp1252.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>

namespace {

struct KindWords {
    QString name; // the word before the colon
    QString unknown;
    QString ownName;
};

KindWords wordsOf(AliasFile::Kind kind) {
    if (kind == AliasFile::Kind::Drink)
        return {QStringLiteral("Drink"), QStringLiteral("unbekannter Drink „%1“"),
                QStringLiteral("„%1“ ist selbst der Name eines Drinks")};
    return {QStringLiteral("Zutat"), QStringLiteral("unbekannte Zutat „%1“"),
            QStringLiteral("„%1“ ist selbst der Name einer Zutat")};
}

} // namespace

AliasFile AliasFile::parse(const QString& text) {
    AliasFile file;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i)
        file.parseLine(int(i + 1), lines.at(i).trimmed());
    return file;
}

AliasFile AliasFile::load(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(Cp1252::toUnicode(file.readAll()));
}

void AliasFile::parseLine(int line, const QString& text) {
    if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
        return;
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString word = text.left(std::max<qsizetype>(colon, 0)).trimmed();
    Kind kind = Kind::Drink;
    if (word.compare(wordsOf(Kind::Ingredient).name, Qt::CaseInsensitive) == 0) {
        kind = Kind::Ingredient;
    } else if (colon < 0 || word.compare(wordsOf(Kind::Drink).name, Qt::CaseInsensitive) != 0) {
        m_problems.append({line, QStringLiteral("am Anfang „Drink:“ oder „Zutat:“ erwartet")});
        return;
    }
    const QString rule = text.mid(colon + 1);
    const qsizetype equals = rule.indexOf(QLatin1Char('='));
    const QString name = rule.left(std::max<qsizetype>(equals, 0)).simplified();
    QStringList aliases;
    for (const QString& part : rule.mid(equals + 1).split(QLatin1Char(',')))
        aliases << part.simplified();
    const bool unnamed = std::any_of(aliases.cbegin(), aliases.cend(), [](const QString& a) {
        return a.isEmpty() || a.contains(QLatin1Char('='));
    });
    if (equals < 0 || name.isEmpty() || unnamed) {
        m_problems.append(
            {line, QStringLiteral("links von „=“ ein Name, rechts seine anderen Namen mit Komma")});
        return;
    }
    for (const QString& alias : aliases)
        m_rules.append({line, kind, name, alias});
}

QList<AliasFile::Problem> AliasFile::check(const QStringList& drinks, const QStringList& ingredients) const {
    // Per kind: the names case-folded, as a rule's name is matched, and folded, as an other name is
    // typed; and the rule that first gave each folded other name.
    struct Known {
        QSet<QString> names;
        QSet<QString> folded;
        QHash<QString, const Rule*> given;
    };
    std::array<Known, 2> known;
    const auto of = [&known](Kind kind) -> Known& { return known[kind == Kind::Drink ? 0 : 1]; };
    for (const auto& [kind, list] :
         {std::pair{Kind::Drink, &drinks}, std::pair{Kind::Ingredient, &ingredients}})
        for (const QString& name : *list) {
            of(kind).names.insert(name.trimmed().toCaseFolded());
            of(kind).folded.insert(TextFold::fold(name.trimmed()));
        }
    QList<Problem> found = m_problems;
    QSet<int> reported;
    for (const Rule& rule : m_rules) {
        Known& k = of(rule.kind);
        const KindWords words = wordsOf(rule.kind);
        const QString alias = TextFold::fold(rule.alias);
        const Rule* earlier = k.given.value(alias);
        QString problem;
        if (!k.names.contains(rule.name.toCaseFolded()))
            problem = words.unknown.arg(rule.name);
        else if (k.folded.contains(alias))
            problem = words.ownName.arg(rule.alias);
        else if (earlier && earlier->name.toCaseFolded() != rule.name.toCaseFolded())
            problem = QStringLiteral("„%1“ steht schon in Zeile %2 für „%3“")
                          .arg(rule.alias)
                          .arg(earlier->line)
                          .arg(earlier->name);
        if (!earlier)
            k.given.insert(alias, &rule);
        if (!problem.isEmpty() && !reported.contains(rule.line)) {
            reported.insert(rule.line);
            found.append({rule.line, problem});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return found;
}
