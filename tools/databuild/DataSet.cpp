#include "DataSet.h"

QString DataSet::Origin::describe(const QString& name) const {
    QString out = QStringLiteral("%1:%2 [%3]").arg(file).arg(line).arg(number);
    if (!name.isEmpty())
        out += QLatin1Char(' ') + name;
    return out;
}

QString DataSet::unitText(int unit) {
    static const QStringList texts = {QStringLiteral("cl"), QStringLiteral("g"), QStringLiteral("St"),
                                      QStringLiteral("keine"), QStringLiteral("dash")};
    return unit >= 0 && unit < texts.size() ? texts.at(unit) : QString();
}

int DataSet::unitFromText(const QString& text) {
    for (int u = 0; u <= 4; ++u) {
        if (unitText(u) == text)
            return u;
    }
    return -1;
}
