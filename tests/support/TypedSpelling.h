#pragma once

#include <QString>

// How names are typed on keyboards without accents or umlauts, read directly (without the
// program's folding), for checking what the type-ahead and the full text find.
namespace TypedSpelling {

// Lower case, every accent left off, ß as ss.
inline QString withoutAccents(const QString& text) {
    QString out;
    for (QChar c : text.toLower().normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    }
    return out.replace(QStringLiteral("ß"), QStringLiteral("ss"));
}

// The same with ä, ö and ü written ae, oe and ue.
inline QString umlautsSpelled(const QString& text) {
    return withoutAccents(text.toLower()
                              .replace(QStringLiteral("ä"), QStringLiteral("ae"))
                              .replace(QStringLiteral("ö"), QStringLiteral("oe"))
                              .replace(QStringLiteral("ü"), QStringLiteral("ue")));
}

} // namespace TypedSpelling
