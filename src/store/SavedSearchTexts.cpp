#include "store/SavedSearchTexts.h"

namespace {
const QString kName = QStringLiteral("Name");
const QString kText = QStringLiteral("Volltext");
const QString kPreparation = QStringLiteral("Zubereitung");
const QString kGlass = QStringLiteral("Glas");
const QString kWithout = QStringLiteral("Ohne");
const QString kStars = QStringLiteral("Sterne");
constexpr int kMostStars = 5;
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

SavedSearchTexts::Extras SavedSearchTexts::extras(int slot, const QString& slotName) const {
    if (m_ini.value(section(slot), kName) != slotName.trimmed())
        return {};
    Extras e;
    e.preparation = cleaned(m_ini.value(section(slot), kPreparation));
    e.glass = cleaned(m_ini.value(section(slot), kGlass));
    for (const QString& word :
         m_ini.value(section(slot), kWithout).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (const QString w = cleaned(word); !w.isEmpty())
            e.without << w;
    }
    const int stars = m_ini.value(section(slot), kStars).trimmed().toInt();
    e.minStars = stars >= 1 && stars <= kMostStars ? stars : 0;
    return e;
}

void SavedSearchTexts::set(int slot, const QString& slotName, const QString& text, const Extras& extras) {
    m_ini.setValue(section(slot), kName, cleaned(slotName.trimmed()));
    m_ini.setValue(section(slot), kText, cleaned(text));
    // Unset criteria leave no key, so a file without them stays as it was.
    for (const auto& [key, value] :
         {std::pair{kPreparation, extras.preparation}, std::pair{kGlass, extras.glass},
          std::pair{kWithout, extras.without.join(QLatin1Char(','))},
          std::pair{kStars, extras.minStars > 0 ? QString::number(extras.minStars) : QString()}}) {
        if (const QString v = cleaned(value); v.isEmpty())
            m_ini.remove(section(slot), key);
        else
            m_ini.setValue(section(slot), key, v);
    }
}

QString SavedSearchTexts::cleaned(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        out += c.category() == QChar::Other_Control ? QChar(u' ') : c;
    return out.trimmed().left(kMaxText);
}
