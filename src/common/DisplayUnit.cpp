#include "common/DisplayUnit.h"

#include "common/HalfEven.h"
#include "store/IniFile.h"
#include "store/UnitKind.h"

#include <cmath>

namespace {

const QString kSection = QStringLiteral("Anzeige");
const QString kKey = QStringLiteral("Einheit");

// Quarters of an ounce as a mixed number: "1¼", "¾", "2".
QString quarters(double cl) {
    const qint64 q = std::llround(std::fabs(cl) / DisplayUnit::kClPerOz * 4);
    if (q == 0)
        return cl == 0 ? QStringLiteral("0") : QStringLiteral("<¼");
    static const QString fractions[] = {QString(), QStringLiteral("¼"), QStringLiteral("½"),
                                        QStringLiteral("¾")};
    const QString whole = q >= 4 ? QString::number(q / 4) : QString();
    return (cl < 0 ? QStringLiteral("-") : QString()) + whole + fractions[q % 4];
}

} // namespace

QString DisplayUnit::name(Kind kind) {
    switch (kind) {
    case Ml:
        return QStringLiteral("ml");
    case Oz:
        return QStringLiteral("oz");
    case Cl:
        break;
    }
    return QStringLiteral("cl");
}

std::optional<DisplayUnit::Kind> DisplayUnit::named(const QString& text) {
    for (const Kind kind : {Cl, Ml, Oz}) {
        if (text.trimmed().compare(name(kind), Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

DisplayUnit::Kind DisplayUnit::load(const QString& path) {
    IniFile ini;
    if (path.isEmpty() || !ini.load(path))
        return Cl;
    return named(ini.value(kSection, kKey)).value_or(Cl);
}

bool DisplayUnit::save(const QString& path, Kind kind, QString* reason) {
    IniFile ini;
    ini.setValue(kSection, kKey, name(kind));
    return ini.save(path, reason);
}

QString DisplayUnit::number(double cl, Kind kind) {
    switch (kind) {
    case Ml:
        return QString::number(HalfEven::nearest(cl * 10));
    case Oz:
        return quarters(cl);
    case Cl:
        break;
    }
    return QString::number(HalfEven::nearest(cl));
}

QString DisplayUnit::volume(double cl, Kind kind) {
    return number(cl, kind) + QLatin1Char(' ') + name(kind);
}

QString DisplayUnit::millilitres(qint64 ml, Kind kind) {
    return kind == Oz ? volume(ml / 10.0, Oz) : QString::number(ml) + QStringLiteral(" ml");
}

QString DisplayUnit::line(int amount, int unitKind, const QString& ingredient, Kind kind) {
    if (kind == Cl || UnitKind::fromField(unitKind) != UnitKind::Cl)
        return UnitKind::line(amount, unitKind, ingredient);
    const QString shown = amount != 0 ? number(amount, kind) + QLatin1Char(' ') : QString();
    return shown + name(kind) + QStringLiteral("  ") + ingredient;
}
