#include "ui/Skins.h"

#include "common/AppState.h"

Theme Skins::theme() const {
    return ThemeTable::forMotif(m_state.settings.options().get(OptionsRecord::Motif));
}

const SkinSet& Skins::dialogSet() {
    const QString wanted = theme().dialogSkin;
    if (m_dialog.name != wanted)
        m_dialog.load(m_state.folders.dataFolder, wanted);
    return m_dialog;
}

bool Skins::SelectMainSkin(QString* failure) {
    const QString wanted = theme().mainSkin;
    if (m_main.load(m_state.folders.dataFolder, wanted))
        return true;
    if (failure)
        *failure = SkinSet::failureText(m_state.folders.dataFolder, wanted);
    return false;
}

bool Skins::LoadDialogSkin(const QString& skinName, QString* failure) {
    if (m_dialog.load(m_state.folders.dataFolder, skinName))
        return true;
    if (failure)
        *failure = SkinSet::failureText(m_state.folders.dataFolder, skinName);
    return false;
}
