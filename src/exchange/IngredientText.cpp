#include "exchange/IngredientText.h"

#include "common/TextFold.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

// One number of an amount: "1 1/2", "1/2", "1,5", "0.75", ".5" or "2".
const QString kValue = QStringLiteral(R"((?:\d+\s+\d+\s*/\s*\d+|\d+\s*/\s*\d+|\d*[.,]\d+|\d+))");
// A value or a range of two.
const QString kAmount =
    QStringLiteral(R"((%1)(?:\s*(?:-|\bto\b|\bbis\b|\bor\b|\boder\b)\s*(%1))?)").arg(kValue);

// Unicode fractions as digits, every dash as a hyphen, no-break spaces as blanks: "1½" is "1 1/2".
QString prepared(const QString& text) {
    static const QList<std::pair<QChar, QString>> fractions = {
        {QChar(0x00BD), QStringLiteral("1/2")}, {QChar(0x00BC), QStringLiteral("1/4")},
        {QChar(0x00BE), QStringLiteral("3/4")}, {QChar(0x2153), QStringLiteral("1/3")},
        {QChar(0x2154), QStringLiteral("2/3")}, {QChar(0x215B), QStringLiteral("1/8")},
        {QChar(0x215C), QStringLiteral("3/8")}, {QChar(0x215D), QStringLiteral("5/8")},
        {QChar(0x215E), QStringLiteral("7/8")}, {QChar(0x2155), QStringLiteral("1/5")}};
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        QString fraction;
        for (const auto& [sign, digits] : fractions)
            if (c == sign)
                fraction = digits;
        if (!fraction.isEmpty()) {
            if (!out.isEmpty() && out.back().isDigit())
                out += QLatin1Char(' ');
            out += fraction;
        } else if (c == QChar(0x2013) || c == QChar(0x2014) || c == QChar(0x2012) || c == QChar(0x2212)) {
            out += QLatin1Char('-');
        } else if (c == QChar(0x2044)) { // fraction slash
            out += QLatin1Char('/');
        } else if (c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009)) {
            out += QLatin1Char(' ');
        } else {
            out += c;
        }
    }
    return out.simplified();
}

// A value as matched by kValue; nothing for a fraction over 0.
std::optional<double> valueOf(QString text) {
    text = text.simplified().replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression mixed(QStringLiteral(R"(^(?:(\d+) )?(\d+) ?/ ?(\d+)$)"));
    if (const QRegularExpressionMatch m = mixed.match(text); m.hasMatch()) {
        const double denominator = m.captured(3).toDouble();
        if (denominator == 0)
            return std::nullopt;
        return m.captured(1).toDouble() + m.captured(2).toDouble() / denominator;
    }
    bool ok = false;
    if (text.startsWith(QLatin1Char('.')))
        text.prepend(QLatin1Char('0'));
    const double value = text.toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

struct Amount {
    double value = 0;
    qsizetype end = 0; // just after the amount
};

// The amount at the start of `text` (a range gives its middle); nothing when there is none or
// it cannot be read.
std::optional<Amount> amountAt(const QString& text, qsizetype from = 0) {
    static const QRegularExpression amount(kAmount);
    const QRegularExpressionMatch m = amount.match(text, from, QRegularExpression::NormalMatch,
                                                   QRegularExpression::AnchorAtOffsetMatchOption);
    if (!m.hasMatch())
        return std::nullopt;
    const std::optional<double> first = valueOf(m.captured(1));
    const std::optional<double> second = m.hasCaptured(2) ? valueOf(m.captured(2)) : first;
    if (!first || !second)
        return std::nullopt;
    return Amount{(*first + *second) / 2, m.capturedEnd(0)};
}

// A unit word at `at`, of one word or two ("fl oz", "bar spoon"); the position after it.
std::optional<std::pair<Measure::Unit, qsizetype>> unitAt(const QString& text, qsizetype at) {
    static const QRegularExpression twoWords(QStringLiteral(R"(fl\.? ?oz\.?|bar ?spoons?)"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = twoWords.match(text, at, QRegularExpression::NormalMatch,
                                                         QRegularExpression::AnchorAtOffsetMatchOption);
        m.hasMatch() && (m.capturedEnd(0) == text.size() || !text.at(m.capturedEnd(0)).isLetter()))
        return std::pair(m.captured(0).startsWith(QLatin1Char('b'), Qt::CaseInsensitive) ? Measure::Barspoon
                                                                                         : Measure::Oz,
                         m.capturedEnd(0));
    qsizetype end = at;
    while (end < text.size() && text.at(end).isLetter())
        ++end;
    if (end == at)
        return std::nullopt;
    if (end < text.size() && text.at(end) == QLatin1Char('.'))
        ++end;
    if (end < text.size() && !text.at(end).isSpace() && !QStringLiteral("),;:").contains(text.at(end)))
        return std::nullopt; // "Scheiben-Ananas": a word that goes on is a name
    const std::optional<Measure::Unit> unit = Measure::fromWord(text.mid(at, end - at));
    if (!unit)
        return std::nullopt;
    return std::pair(*unit, end);
}

// The name after the amount and unit: without a leading "of", "von" or "x" and without the
// punctuation that joins it to the amount.
QString nameOf(QString rest) {
    static const QRegularExpression joint(QStringLiteral(R"(^(?:[-:,;.]\s*|(?:of|von|x)\s+)+)"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression end(QStringLiteral(R"([\s,;:]+$)"));
    for (QString before; before != rest;) {
        before = rest;
        rest = rest.trimmed().remove(end).remove(joint);
    }
    return rest;
}

// "4 cl", "1/2 oz", "2": a whole text that is nothing but an amount, its unit optional.
std::optional<ExchangeRecipe::Line> measureOnly(const QString& text, bool unitRequired) {
    const std::optional<Amount> amount = amountAt(text);
    if (!amount)
        return std::nullopt;
    qsizetype at = amount->end;
    while (at < text.size() && text.at(at).isSpace())
        ++at;
    if (at == text.size())
        return unitRequired ? std::nullopt
                            : std::optional(ExchangeRecipe::Line{amount->value, Measure::Piece, {}, {}});
    const auto unit = unitAt(text, at);
    if (!unit || unit->second != text.size())
        return std::nullopt;
    return ExchangeRecipe::Line{amount->value, unit->first, {}, {}};
}

// A measure in brackets, "Gin (4 cl)": the bracket's place and what it says.
struct Bracketed {
    qsizetype from = -1;
    qsizetype to = -1; // just after ')'
    ExchangeRecipe::Line measure;
};

QList<Bracketed> bracketedMeasures(const QString& text) {
    static const QRegularExpression bracket(QStringLiteral(R"(\(([^()]*)\))"));
    QList<Bracketed> found;
    for (const QRegularExpressionMatch& m : bracket.globalMatch(text))
        if (const auto measure = measureOnly(m.captured(1).trimmed(), false))
            found.append({m.capturedStart(0), m.capturedEnd(0), *measure});
    return found;
}

QString withoutBrackets(QString text, const QList<Bracketed>& brackets) {
    for (qsizetype i = brackets.size() - 1; i >= 0; --i)
        text.remove(brackets.at(i).from, brackets.at(i).to - brackets.at(i).from);
    return text.simplified();
}

bool isArticle(const QString& word) {
    static const QStringList articles = {
        QStringLiteral("a"),    QStringLiteral("an"),    QStringLiteral("one"),   QStringLiteral("ein"),
        QStringLiteral("eine"), QStringLiteral("einen"), QStringLiteral("einem"), QStringLiteral("einer")};
    return articles.contains(word.toLower());
}

// What follows an amount at `at`: the unit (pieces when no unit word follows) and the name.
ExchangeRecipe::Line measured(const QString& text, double amount, qsizetype at) {
    while (at < text.size() && text.at(at).isSpace())
        ++at;
    if (const auto unit = unitAt(text, at))
        return {amount, unit->first, nameOf(text.mid(unit->second)), {}};
    return {amount, Measure::Piece, nameOf(text.mid(at)), {}};
}

// A text that begins with digits that are no amount ("1/0 oz gin", "3/ cl Rum"): its name is what
// follows the first letters when those are a unit, else from the first letter on.
ExchangeRecipe::Line unreadable(const QString& original, const QString& text) {
    qsizetype at = 0;
    while (at < text.size() && !text.at(at).isLetter())
        ++at;
    const auto unit = unitAt(text, at);
    return {0, Measure::None, nameOf(text.mid(unit ? unit->second : at)), original.simplified()};
}

QString amountText(double amount) {
    return QString::number(amount, 'f', QLocale::FloatingPointShortest);
}

} // namespace

QString IngredientText::format(const ExchangeRecipe::Line& line) {
    if (!line.unread.isEmpty())
        return line.unread;
    if (line.unit == Measure::None)
        return line.ingredient;
    return amountText(line.amount) + QLatin1Char(' ') + Measure::word(line.unit) + QLatin1Char(' ') +
           line.ingredient;
}

std::optional<ExchangeRecipe::Line> IngredientText::parse(const QString& original) {
    QString text = prepared(original);
    if (text.isEmpty())
        return std::nullopt;
    // "ca. 4 cl", "about 2 oz": the approximation says nothing we could keep.
    static const QRegularExpression about(QStringLiteral(R"(^(?:ca\.?|circa|etwa|about|approx\.?)\s+(?=\d))"),
                                          QRegularExpression::CaseInsensitiveOption);
    text.remove(about);
    const QList<Bracketed> brackets = bracketedMeasures(text);
    if (text.front().isDigit() || text.front() == QLatin1Char('.')) {
        const std::optional<Amount> amount = amountAt(text);
        if (!amount)
            return unreadable(original, text);
        // What follows the amount must be a blank, a letter (as in "4cl") or the end: "1.5.3",
        // "3/ cl" and "40%" are no amounts.
        const qsizetype end = amount->end;
        if (end < text.size() && !text.at(end).isSpace() && !text.at(end).isLetter())
            return unreadable(original, text);
        // Other measures in brackets repeat the amount in other units: "2 oz (60 ml) gin".
        const QString rest = withoutBrackets(text.mid(end), bracketedMeasures(text.mid(end)));
        return measured(rest, amount->value, 0);
    }
    if (const qsizetype blank = text.indexOf(QLatin1Char(' ')); blank > 0 && isArticle(text.left(blank))) {
        ExchangeRecipe::Line line = measured(text, 1, blank + 1);
        if (!line.ingredient.isEmpty())
            return line;
    }
    if (!brackets.isEmpty()) {
        ExchangeRecipe::Line line = brackets.first().measure;
        line.ingredient = nameOf(withoutBrackets(text, brackets));
        return line;
    }
    // "Limettensaft 2 cl", "Gin: 4 cl": a measure at the end, its unit named.
    static const QRegularExpression trailing(
        QStringLiteral(R"([\s,:;]+(%1)\s*([^\s\d][^\s]*)$)").arg(kAmount));
    for (const QRegularExpressionMatch& m : trailing.globalMatch(text)) {
        const QString before = nameOf(text.left(m.capturedStart(0)));
        if (before.isEmpty())
            continue;
        if (const auto measure = measureOnly(m.captured(1) + QLatin1Char(' ') + m.captured(4), true))
            return ExchangeRecipe::Line{measure->amount, measure->unit, before, {}};
    }
    return ExchangeRecipe::Line{0, Measure::None, text, {}};
}
