#include "VerbSupport.h"

namespace VerbSupport {

QString plain(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

bool follow(const Verdict& verdict, QTextStream& err) {
    if (verdict.notice && verdict.notice->isQuestion() && verdict.proceed)
        err << verdict.notice->caption << ": " << plain(verdict.notice->text) << " → Ja\n";
    else if (verdict.notice)
        throw Refusal{verdict.notice->text};
    return verdict.proceed;
}

int number(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n <= 0)
        throw BadArguments{};
    return n;
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
