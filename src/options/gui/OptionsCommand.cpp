#include "options/gui/OptionsCommand.h"

#include "common/AppState.h"
#include "common/MainWindowPort.h"
#include "ui/BackgroundMusic.h"
#include "ui/Meldungsfenster.h"
#include "ui/MusicRules.h"
#include "ui/TrueTypeFonts.h"

OptionsCommand::OptionsCommand(const DialogServices& services)
    : session(services.state), dialog(services.context, session, TrueTypeFonts::families(), services.parent),
      m_context(services.context), m_main(services.main) {}

void OptionsCommand::run(int page) {
    if (page >= 0)
        session.setPage(page);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const OptionsSession::Outcome outcome = session.finish(accepted);
    if (!outcome.applied)
        return;
    Meldungsfenster::refuses(outcome.unitSaved);
    m_main.ApplyOptions(outcome.motifChanged);
    MusicRules::afterOptions(m_context.state, *m_context.music);
}
