#include "reference/FoldedTypeAhead.h"

namespace {

// Letters that do not decompose into a base letter and an accent.
QString spelledOut(QChar c) {
    switch (c.unicode()) {
    case u'ß':
        return QStringLiteral("ss");
    case u'æ':
        return QStringLiteral("ae");
    case u'œ':
        return QStringLiteral("oe");
    case u'þ':
        return QStringLiteral("th");
    case u'ø':
        return QStringLiteral("o");
    case u'ð':
        return QStringLiteral("d");
    case u'ƒ':
        return QStringLiteral("f");
    default:
        return QString();
    }
}

} // namespace

QString FoldedTypeAhead::fold(const QString& text) {
    const QString decomposed = text.toLower().normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const QString spelled = spelledOut(c);
        if (spelled.isEmpty())
            out += c;
        else
            out += spelled;
    }
    return out;
}

int FoldedTypeAhead::find(const QList<ListEntry>& entries, const QString& text) {
    const QString prefix = fold(text);
    for (int i = 0; i < int(entries.size()); ++i) {
        if (fold(entries.at(i).text).startsWith(prefix))
            return i;
    }
    return -1;
}
