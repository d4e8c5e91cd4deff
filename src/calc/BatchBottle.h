#pragma once

#include "calc/QuantityRecipe.h"
#include "common/GlassStrength.h"

#include <QStringList>

// "Vorratsflasche": a drink made ahead for a bottle or pitcher. Shaken and stirred drinks get the melt
// water the shaker or the stirring glass would add (the factors of the "Im Glas" line), so the bottle
// is poured straight from the cold; dashes become millilitres; sparkling ingredients stay out of the
// bottle and are added to each glass.
class BatchBottle {
public:
    struct Line {
        qint64 amount = 0; // in `unit`; 0 with an empty unit: as needed
        QString unit;      // "ml", "g", "St" or empty
        QString name;
    };
    struct Plan {
        GlassStrength::Method method = GlassStrength::Method::Neat;
        QList<Line> bottle;
        qint64 waterMl = 0;
        qint64 perGlassMl = 0; // what to pour from the bottle for one drink
        double glasses = 0;    // drinks the bottle holds
        QList<Line> atServing; // per glass
        QString serving;
        bool empty = true; // nothing still to bottle
    };

    static Plan make(const QuantityRecipe& recipe, const QString& instructions, int bottleMl,
                     int dashesPerCl);
    // The plan as lines: each ingredient "MENGE<TAB>EINHEIT<TAB>NAME", then the water, then
    // "je Glas: N ml", the ingredients added when serving, and how to serve.
    static QStringList lines(const Plan& plan);
    static QString nothingToBottleText() {
        return QStringLiteral(
            "Dieses Rezept hat keine stillen Zutaten in cl, die sich vorab abfüllen lassen.");
    }
};
