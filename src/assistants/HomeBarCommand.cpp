#include "assistants/HomeBarCommand.h"

#include "app/AppState.h"
#include "assistants/THausbardialog.h"
#include "ui/ReadOnlyRefusal.h"
#include "ui/StoreGuard.h"

#include <QApplication>

void HomeBarCommand::run(AppState& state, THausbardialog& dialog, TApollo& ingredients) {
    const bool accepted = dialog.exec() == QDialog::Accepted;
    finish(state, dialog, ingredients, accepted);
}

void HomeBarCommand::finish(AppState& state, THausbardialog& dialog, TApollo& ingredients, bool accepted) {
    if (!dialog.changed())
        return;
    HomeBarTable& table = state.ingredientChoices.homeBars;
    if (accepted && ReadOnlyRefusal::RefuseReadOnly(state))
        return; // nothing is stored; the lists keep what the user entered
    if (accepted) {
        QApplication::processEvents();
        if (StoreGuard::run([&] { HomeBarStore::store(dialog.bars(), table, ingredients); }))
            state.ingredientChoices.homeBarLists = dialog.bars();
        return;
    }
    StoreGuard::run([&] { dialog.setBars(HomeBarStore::rebuildLists(table, ingredients)); });
}
