#include "ui/ReadOnlyRefusal.h"

#include "common/AppState.h"
#include "ui/Meldungsfenster.h"

bool ReadOnlyRefusal::RefuseReadOnly(const AppState& state) {
    if (!state.startedFromCd)
        return false;
    Meldungsfenster::show(
        QStringLiteral("Diese Funktion ist gespert, wenn direkt von CD-ROM gestartet wurde. Starten "
                       "Sie SETUP.EXE, um Velta Cocktails zu installieren."),
        QStringLiteral("Hinweis"), 3, false);
    return true;
}
