#include "exchange/IngredientMatcher.h"

#include "common/TextFold.h"
#include "exchange/BarGlossary.h"

#include <QRegularExpression>
#include <QSet>

namespace {

// What follows a comma and the words that say how an ingredient is used are notes, not its name.
QString withoutTail(const QString& written) {
    static const QRegularExpression tail(
        QStringLiteral(R"(,.*$|\s+(?:to top|to taste|zum|zur|für|for|als|nach|optional)\b.*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return QString(written).remove(tail).simplified();
}

// Words that describe how fresh, cold, good or large an ingredient is (folded).
bool isFiller(const QString& word) {
    static const QSet<QString> fillers = {QStringLiteral("fresh"),
                                          QStringLiteral("freshly"),
                                          QStringLiteral("squeezed"),
                                          QStringLiteral("fresh-squeezed"),
                                          QStringLiteral("freshly-squeezed"),
                                          QStringLiteral("chilled"),
                                          QStringLiteral("cold"),
                                          QStringLiteral("ice-cold"),
                                          QStringLiteral("good"),
                                          QStringLiteral("quality"),
                                          QStringLiteral("good-quality"),
                                          QStringLiteral("premium"),
                                          QStringLiteral("homemade"),
                                          QStringLiteral("house-made"),
                                          QStringLiteral("large"),
                                          QStringLiteral("small"),
                                          QStringLiteral("medium"),
                                          QStringLiteral("some"),
                                          QStringLiteral("of"),
                                          QStringLiteral("the"),
                                          QStringLiteral("frisch"),
                                          QStringLiteral("frische"),
                                          QStringLiteral("frischer"),
                                          QStringLiteral("frisches"),
                                          QStringLiteral("frischen"),
                                          QStringLiteral("frischem"),
                                          QStringLiteral("gepresst"),
                                          QStringLiteral("gepresste"),
                                          QStringLiteral("gepresster"),
                                          QStringLiteral("gepresstes"),
                                          QStringLiteral("gepressten"),
                                          QStringLiteral("gekuhlt"),
                                          QStringLiteral("gekuhlte"),
                                          QStringLiteral("gekuhlter"),
                                          QStringLiteral("gekuhltes"),
                                          QStringLiteral("eiskalt"),
                                          QStringLiteral("eiskalte"),
                                          QStringLiteral("eiskalter"),
                                          QStringLiteral("eiskaltes"),
                                          QStringLiteral("kalt"),
                                          QStringLiteral("kalte"),
                                          QStringLiteral("kalter"),
                                          QStringLiteral("kaltes"),
                                          QStringLiteral("selbstgemacht"),
                                          QStringLiteral("selbstgemachter"),
                                          QStringLiteral("selbstgemachte"),
                                          QStringLiteral("hausgemacht"),
                                          QStringLiteral("hausgemachter"),
                                          QStringLiteral("hausgemachte"),
                                          QStringLiteral("gross"),
                                          QStringLiteral("grosse"),
                                          QStringLiteral("grosser"),
                                          QStringLiteral("grosses"),
                                          QStringLiteral("klein"),
                                          QStringLiteral("kleine"),
                                          QStringLiteral("kleiner"),
                                          QStringLiteral("kleines"),
                                          QStringLiteral("etwas"),
                                          QStringLiteral("bio"),
                                          QStringLiteral("optional"),
                                          QStringLiteral("garnish"),
                                          QStringLiteral("for"),
                                          QStringLiteral("zum"),
                                          QStringLiteral("garnieren")};
    return fillers.contains(word);
}

// The singulars a folded name may have: "wedges", "berries", "Limetten", "Eier".
QStringList singulars(const QString& name) {
    QStringList out;
    const auto strip = [&](const char* ending, const char* replacement) {
        const QLatin1StringView end(ending);
        if (name.size() > end.size() + 2 && name.endsWith(end))
            out << name.left(name.size() - end.size()) + QLatin1StringView(replacement);
    };
    strip("ies", "y");
    strip("ves", "f");
    strip("es", "");
    strip("s", "");
    strip("en", "");
    strip("n", "");
    strip("er", "");
    strip("e", "");
    return out;
}

} // namespace

void IngredientMatcher::add(const Ingredient& ingredient, const QStringList& alsoAs) {
    for (const QString& name : QStringList{ingredient.name} + alsoAs) {
        const QString key = TextFold::fold(name.simplified());
        if (!key.isEmpty() && !m_byName.contains(key))
            m_byName.insert(key, ingredient);
    }
}

const IngredientMatcher::Ingredient* IngredientMatcher::exact(const QString& folded) const {
    const auto it = m_byName.constFind(folded);
    return it == m_byName.cend() ? nullptr : &*it;
}

std::optional<IngredientMatcher::Match> IngredientMatcher::lookUp(const QString& folded,
                                                                  const QString& written) const {
    if (folded.isEmpty())
        return std::nullopt;
    if (const Ingredient* found = exact(folded))
        return Match{*found};
    // The aliases are asked with the name as written and with its plain form.
    if (m_aliases) {
        for (const QString& name : {written, folded}) {
            if (const QString target = m_aliases(name); !target.isEmpty())
                if (const Ingredient* found = exact(TextFold::fold(target.simplified())))
                    return Match{*found};
        }
    }
    if (const std::optional<BarGlossary::Entry> entry = BarGlossary::ingredient(folded))
        if (const Ingredient* found = exact(TextFold::fold(entry->german)))
            return Match{*found, entry->perPiece};
    return std::nullopt;
}

QString IngredientMatcher::plainKey(const QString& written) {
    // A bracket with a number or only such words is a note ("Minze (1–2 Zweige)", "(optional)");
    // any other is part of the name ("Orange (Scheibe)" is not "Orange").
    static const QRegularExpression brackets(QStringLiteral(R"(\(([^()]*)\)|\[([^\[\]]*)\])"));
    QString text = QString(written).replace(QChar(0x2019), QLatin1Char('\''));
    for (qsizetype from = 0;;) {
        const QRegularExpressionMatch m = brackets.match(text, from);
        if (!m.hasMatch())
            break;
        const QString inside = TextFold::fold(m.captured(1) + m.captured(2));
        static const QRegularExpression digit(QStringLiteral("[0-9]"));
        bool note = inside.contains(digit);
        if (!note) {
            note = true;
            for (const QString& word : inside.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                note = note && isFiller(word);
        }
        if (note) {
            text.remove(m.capturedStart(0), m.capturedLength(0));
            from = m.capturedStart(0);
        } else {
            from = m.capturedEnd(0);
        }
    }
    QStringList words;
    for (const QString& word : TextFold::fold(withoutTail(text)).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (!isFiller(word))
            words << word;
    return words.join(QLatin1Char(' '));
}

std::optional<IngredientMatcher::Match> IngredientMatcher::find(const QString& name) const {
    const QString written = name.simplified();
    const QString full = TextFold::fold(written);
    if (std::optional<Match> match = lookUp(full, written))
        return match;
    const QString plain = plainKey(written);
    if (plain != full)
        if (std::optional<Match> match = lookUp(plain, written))
            return match;
    for (const QString& singular : singulars(plain))
        if (std::optional<Match> match = lookUp(singular, written))
            return match;
    return std::nullopt;
}

QString IngredientMatcher::newName(const QString& written, int length) {
    const QString name = withoutTail(written);
    return (name.isEmpty() ? written.simplified() : name).left(length).trimmed();
}
