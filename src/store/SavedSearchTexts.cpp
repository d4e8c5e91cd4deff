#include "store/SavedSearchTexts.h"

namespace {
const QString kName = QStringLiteral("Name");
const QString kText = QStringLiteral("Volltext");
} // namespace

SavedSearchTexts SavedSearchTexts::load(const QString& path) {
    SavedSearchTexts texts;
    texts.m_ini.load(path);
    return texts;
}

SavedSearchTexts SavedSearchTexts::fromBytes(const QByteArray& bytes) {
    SavedSearchTexts texts;
    texts.m_ini.parse(bytes);
    return texts;
}

QString SavedSearchTexts::text(int slot, const QString& slotName) const {
    if (!m_ini.contains(section(slot), kText) || m_ini.value(section(slot), kName) != slotName.trimmed())
        return QString();
    return cleaned(m_ini.value(section(slot), kText));
}

void SavedSearchTexts::set(int slot, const QString& slotName, const QString& text) {
    m_ini.setValue(section(slot), kName, cleaned(slotName.trimmed()));
    m_ini.setValue(section(slot), kText, cleaned(text));
}

QString SavedSearchTexts::cleaned(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        out += c.category() == QChar::Other_Control ? QChar(u' ') : c;
    return out.trimmed().left(kMaxText);
}
