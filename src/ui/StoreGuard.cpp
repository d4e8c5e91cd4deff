#include "ui/StoreGuard.h"

#include "store/StoreError.h"
#include "ui/Meldungsfenster.h"

#include <QApplication>

bool StoreGuard::run(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const StoreError& e) {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        Meldungsfenster::show(Notice::error(e.text(), 3));
        return false;
    }
}
