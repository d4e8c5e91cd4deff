#pragma once

#include "store/OptionsRecord.h"

#include <QList>
#include <QString>

// Which field of the options record each check box and radio button of the options dialog edits.
struct OptionsBinding {
    enum class Kind {
        Check,       // ticked when the field holds `value`; unticking stores `otherValue`
        Radio,       // chosen when the field holds `value`
        NonZeroRadio // chosen when the field is not 0; choosing stores `value`
    };

    QString control;
    OptionsRecord::Field field;
    Kind kind;
    quint8 value;
    quint8 otherValue = 0;

    bool shows(const OptionsRecord& options) const;

    static const QList<OptionsBinding>& all();
    static const OptionsBinding* find(const QString& control);
};
