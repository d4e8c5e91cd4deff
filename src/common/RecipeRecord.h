#pragma once

#include "store/IngredientSlots.h"
#include "store/UnitKind.h"

#include <QList>
#include <QString>

// One ingredient as every recipe reader sees it.
struct IngredientRecord {
    static constexpr int kNameLength = 30;

    int number = 0;
    bool found = false;
    QString name;                         // trimmed, at most 30 characters; missingName() when not found
    UnitKind::Kind unit = UnitKind::None; // not found, or an unknown `KENNUNG`: no unit
    int alcohol = 0;                      // percent by volume
    bool unprinted = false;               // `WICHTIG` = 1: left out of the bar card's summary
    int priceCents = 0;                   // `PREIS`: a bottle or pack; 0 when none is known
    int packSize = 0;                     // `VOL`: its content in the ingredient's unit (cl for dash)

    static QString missingName() { return QStringLiteral("nicht in Datenbank!"); }
    static IngredientRecord missing(int number);
};

// A recipe record read into plain values, its ingredients looked up.
struct RecipeRecord {
    struct Line {
        int slot = 0; // 0..19: the place in the packed fields
        int amount = 0;
        IngredientRecord ingredient; // a negative or unknown number is not found
    };

    int recNo = 0;
    QString name;
    QString picture;  // `BILD`: the collection's photo
    QString ownPhoto; // `EIGEN`: the user's own photo, empty for none
    int category = 0; // 1-based, 0 for none
    int taste = 0;    // 1-based, 0 for none
    int decoration = 0;
    int alcohol = 0; // the stored value, whole percent
    bool marked = false;
    int assistantCode = 0;
    QString memo;      // instructions, optionally 0xFE 0xFD and a remark
    QList<Line> lines; // slot by slot up to the first ingredient number 0

    // The memo without its remark, split where the views and printouts split it.
    QString instructions() const;
    // The cl amounts summed, as the view's "Menge" and the printouts total them.
    int clTotal() const;
    // The numbers and amounts as stored, for the alcohol value.
    QList<IngredientSlots::Line> packedLines() const;
};
