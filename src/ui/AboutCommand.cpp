#include "ui/AboutCommand.h"

#include "common/MainWindowPort.h"

AboutCommand::AboutCommand(const DialogServices& services)
    : dialog(services.context, services.parent), m_main(services.main) {}

void AboutCommand::run() {
    m_main.NeutralPhoto(true);
    dialog.exec();
    m_main.NeutralPhoto(false);
}
