#pragma once

#include <QString>

#include <optional>

// The unit amounts in cl are shown in: cl as stored (the default), millilitres or US fluid ounces. Only
// what is shown converts: the tables keep every amount in its ingredient's unit, and grams, pieces and
// dashes are shown as stored. The choice is kept beside the tables in its own INI file, so the options
// file keeps its format.
class DisplayUnit {
public:
    enum Kind { Cl = 0, Ml = 1, Oz = 2 };
    static constexpr double kClPerOz = 2.957; // the US fluid ounce, 29.57 ml

    static QString fileName() { return QStringLiteral("ANZEIGE.CFG"); }
    // "cl", "ml", "oz".
    static QString name(Kind kind);
    // The kind a name stands for, letter case aside; none for anything else.
    static std::optional<Kind> named(const QString& name);
    // What the file says; a missing or damaged file, or a name it does not know, gives cl.
    static Kind load(const QString& path);
    // Replaces the file whole; false with the reason when it could not be written.
    static bool save(const QString& path, Kind kind, QString* reason = nullptr);

    // A volume given in cl, in the shown unit: "4 cl", "40 ml", "1¼ oz". cl and ml are whole numbers
    // (halves to the even one); ounces go to the nearest quarter, the steps of a bar measure, and an
    // amount too small for a quarter is "<¼". `number` is the amount alone, `volume` adds the unit.
    static QString number(double cl, Kind kind);
    static QString volume(double cl, Kind kind);
    // A volume in whole ml where the calculation is in ml (the batch bottle): ml and cl keep it, ounces
    // convert.
    static QString millilitres(qint64 ml, Kind kind);
    // The ingredient line of the view and the printouts: `UnitKind::line`, with an amount in cl in the
    // shown unit.
    static QString line(int amount, int unitKind, const QString& name, Kind kind);
};
