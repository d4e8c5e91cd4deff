#include "ui/ReadOnlyRefusal.h"

#include "common/AppState.h"
#include "common/Notice.h"
#include "ui/Meldungsfenster.h"

bool ReadOnlyRefusal::RefuseReadOnly(const AppState& state) {
    if (!state.startedFromCd)
        return false;
    Meldungsfenster::show(Notice::readOnly());
    return true;
}
