#pragma once

#include "common/ListEntry.h"

#include <QStringList>

// The names behind a recipe's category, taste and decoration numbers: the categories and tastes
// of VE.DAT (number = position + 1) and the decorations with their record numbers.
struct ExchangeLists {
    QStringList categories;
    QStringList tastes;
    QList<ListEntry> decorations;
};
