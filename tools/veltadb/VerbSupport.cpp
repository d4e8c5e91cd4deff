#include "VerbSupport.h"

namespace VerbSupport {

QString plain(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

int guarded(const std::function<int()>& verb, const QString& usage, QTextStream& err) {
    try {
        return verb();
    } catch (const Refusal& r) {
        err << "veltadb: " << plain(r.text) << '\n';
        return 1;
    } catch (const BadArguments& bad) {
        return badArguments(bad, usage, err);
    }
}

bool follow(const Verdict& verdict, QTextStream& err) {
    if (verdict.notice && verdict.notice->isQuestion() && verdict.proceed)
        err << verdict.notice->captionText() << ": " << plain(verdict.notice->text) << " → Ja\n";
    else if (verdict.notice)
        throw Refusal{verdict.notice->text};
    return verdict.proceed;
}

int badArguments(const BadArguments& bad, const QString& usage, QTextStream& err) {
    if (bad.text.isEmpty())
        err << "Aufruf:\n" << usage;
    else
        err << "veltadb: " << plain(bad.text) << '\n';
    return 2;
}

int number(const QString& text) {
    try {
        return strictNumber(text, 1, 999999999, QString());
    } catch (const BadArguments&) {
        throw BadArguments{QStringLiteral("„%1“ ist keine Nummer (eine ganze Zahl ab 1).").arg(text)};
    }
}

int strictNumber(const QString& text, int min, int max, const QString& what) {
    const QString digits = min < 0 && text.startsWith(QLatin1Char('-')) ? text.mid(1) : text;
    bool ok = !digits.isEmpty() && digits.size() <= 9;
    for (const QChar c : digits)
        ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const qint64 value = ok ? text.toLongLong(&ok) : 0;
    if (!ok || value < min || value > max)
        throw BadArguments{
            QStringLiteral("%1 „%2“ ist keine ganze Zahl von %3 bis %4.").arg(what, text).arg(min).arg(max)};
    return int(value);
}

QList<std::pair<QString, QString>> fields(const QStringList& args, const QStringList& known) {
    QList<std::pair<QString, QString>> out;
    for (const QString& arg : args) {
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        if (eq < 0 || !known.contains(arg.left(eq)))
            throw BadArguments{};
        out.append({arg.left(eq), arg.mid(eq + 1)});
    }
    return out;
}

} // namespace VerbSupport
