#include "store/MemoText.h"

namespace MemoText {

QString forEditing(const QString& stored) {
    QString text = stored;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString forStoring(const QString& edited) {
    return forEditing(edited).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace MemoText
