#include "browser/LexiconTerms.h"

namespace {

bool endsInAnyOf(const QString& word, QStringView endings) {
    return !word.isEmpty() && endings.contains(word.back());
}

} // namespace

LexiconTerms::LexiconTerms(const QStringList& names) {
    m_lower.reserve(names.size());
    for (const QString& name : names)
        m_lower.append(name.toLower());
}

LexiconTerms LexiconTerms::fromEntries(const QList<ListEntry>& entries) {
    QStringList names;
    names.reserve(entries.size());
    for (const ListEntry& e : entries)
        names.append(e.text);
    return LexiconTerms(names);
}

int LexiconTerms::firstBeginningWith(const QString& text) const {
    const QString lower = text.toLower();
    for (int i = 0; i < size(); ++i) {
        if (m_lower.at(i).startsWith(lower))
            return i;
    }
    return -1;
}

int LexiconTerms::firstPrefixOf(const QString& text) const {
    const QString lower = text.toLower();
    for (int i = 0; i < size(); ++i) {
        if (!m_lower.at(i).isEmpty() && lower.startsWith(m_lower.at(i)))
            return i;
    }
    return -1;
}

QString LexiconTerms::markingKey(const QString& word) {
    QString key = word.toLower();
    if (key.size() > 3 && endsInAnyOf(key, u",.;n"))
        key.chop(1);
    return key;
}

QString LexiconTerms::clickKey(const QString& word) {
    if (word.size() <= 2)
        return QString();
    QString key = word;
    if (endsInAnyOf(key, u",.;Nn"))
        key.chop(1);
    return key.trimmed().toLower();
}
