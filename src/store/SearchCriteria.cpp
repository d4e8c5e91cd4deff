#include "store/SearchCriteria.h"

#include "store/Cp1252.h"
#include "store/LittleEndian.h"

SearchCriteria::SearchCriteria() : m_bytes(kSize, '\0') {
    setName(QStringLiteral("Leer"));
    setHomeBarIndex(1);
    setMaxAlcohol(99);
}

qint32 SearchCriteria::homeBarIndex() const {
    return qint32(le::u32(m_bytes, 72));
}

void SearchCriteria::setHomeBarIndex(qint32 index) {
    le::put32(m_bytes, 72, quint32(index));
}

QString SearchCriteria::string(int at, int capacity) const {
    const int length = qMin(int(quint8(m_bytes.at(at))), capacity);
    return Cp1252::toUnicode(m_bytes.mid(at + 1, length));
}

void SearchCriteria::setString(int at, int capacity, const QString& v) {
    const QByteArray bytes = Cp1252::fromUnicode(v).left(capacity);
    m_bytes[at] = char(bytes.size());
    m_bytes.replace(at + 1, bytes.size(), bytes);
}
