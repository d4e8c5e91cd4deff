#include "store/RecordOrder.h"

#include "store/Cp1252.h"
#include "store/StoreError.h"

#include <algorithm>

RecordOrder::RecordOrder(const QString& tag, const QByteArray& keyField, bool descending)
    : m_tag(tag), m_keyField(keyField), m_descending(descending) {}

double RecordOrder::numberAt(int recNo) const {
    const QByteArray text = textAt(recNo).trimmed();
    return text.isEmpty() ? 0 : text.toDouble();
}

QByteArray RecordOrder::textAt(int recNo) const {
    return QByteArray(m_file->record(recNo) + m_field.offset, m_field.length);
}

void RecordOrder::rebuild(const DbfFile& file, quint64 changeCount) {
    const int index = file.fieldIndex(m_keyField);
    if (index < 0)
        throw StoreError(QStringLiteral("Schlüsselfeld %1 fehlt").arg(QString::fromLatin1(m_keyField)));
    m_file = &file;
    m_field = file.fields().at(index);
    m_recNos.resize(size_t(file.recordCount()));
    for (int i = 0; i < file.recordCount(); ++i)
        m_recNos[size_t(i)] = i + 1;
    if (m_field.type == 'N') {
        std::vector<double> keys(size_t(file.recordCount()) + 1);
        for (int r = 1; r <= file.recordCount(); ++r)
            keys[size_t(r)] = numberAt(r);
        std::stable_sort(m_recNos.begin(), m_recNos.end(), [&](int a, int b) {
            return m_descending ? keys[size_t(a)] > keys[size_t(b)] : keys[size_t(a)] < keys[size_t(b)];
        });
    } else {
        std::stable_sort(m_recNos.begin(), m_recNos.end(), [&](int a, int b) {
            return m_descending ? textAt(a) > textAt(b) : textAt(a) < textAt(b);
        });
    }
    m_positions.assign(m_recNos.size(), -1);
    for (size_t p = 0; p < m_recNos.size(); ++p)
        m_positions[size_t(m_recNos[p] - 1)] = int(p);
    m_builtAt = changeCount;
}

int RecordOrder::positionOf(int recNo) const {
    if (recNo < 1 || recNo > int(m_positions.size()))
        return -1;
    return m_positions[size_t(recNo - 1)];
}

bool RecordOrder::keyMatches(int position, const QString& key) const {
    const int recNo = recNoAt(position);
    if (m_field.type == 'N')
        return numberAt(recNo) == key.trimmed().toDouble();
    return textAt(recNo).startsWith(Cp1252::fromUnicode(key));
}

int RecordOrder::lowerBound(const QString& key) const {
    const auto before = [&](int recNo) {
        if (m_field.type == 'N') {
            const double k = key.trimmed().toDouble();
            return m_descending ? numberAt(recNo) > k : numberAt(recNo) < k;
        }
        const QByteArray k = Cp1252::fromUnicode(key);
        const QByteArray t = textAt(recNo).left(k.size());
        return m_descending ? t > k : t < k;
    };
    const auto it = std::partition_point(m_recNos.begin(), m_recNos.end(), before);
    const int pos = int(it - m_recNos.begin());
    return pos < size() && keyMatches(pos, key) ? pos : -1;
}
