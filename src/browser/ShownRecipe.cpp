#include "browser/ShownRecipe.h"

bool ShownRecipe::ShowSelected(const ListEntry& selected) {
    m_currentRecNo = selected.data;
    const QString text = selected.text.left(kNameWidth);
    if (m_shownRecNo != 0 && text == m_shownName && selected.data == m_shownRecNo)
        return false;
    m_shownName = text;
    m_shownRecNo = selected.data;
    return true;
}

void ShownRecipe::forget() {
    m_shownName.clear();
    m_shownRecNo = 0;
}
