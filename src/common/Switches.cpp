#include "common/Switches.h"

Switches Switches::parse(const QStringList& argumentsAfterProgram) {
    Switches s;
    if (argumentsAfterProgram.isEmpty())
        return s;
    const QString& first = argumentsAfterProgram.first();
    s.canrMode = first == QStringLiteral("CANR");
    s.advertMode = first.toLower() == QStringLiteral("werbung");
    s.debugInfo = first.toLower() == QStringLiteral("debug");
    return s;
}
