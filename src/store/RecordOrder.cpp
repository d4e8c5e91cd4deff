#include "store/RecordOrder.h"

#include "store/Cp1252.h"
#include "store/StoreError.h"

#include <algorithm>
#include <cmath>

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
    const size_t count = size_t(file.recordCount());
    m_recNos.resize(count);
    for (size_t i = 0; i < count; ++i)
        m_recNos[i] = int(i + 1);
    m_numbers.clear();
    m_texts.clear();
    if (isNumeric()) {
        std::vector<double> keys(count + 1);
        for (size_t r = 1; r <= count; ++r)
            keys[r] = numberAt(int(r));
        std::stable_sort(m_recNos.begin(), m_recNos.end(), [&](int a, int b) {
            return m_descending ? keys[size_t(a)] > keys[size_t(b)] : keys[size_t(a)] < keys[size_t(b)];
        });
        for (int r : m_recNos)
            m_numbers.push_back(keys[size_t(r)]);
        buildDense();
    } else {
        std::vector<QByteArray> keys(count + 1);
        for (size_t r = 1; r <= count; ++r)
            keys[r] = textAt(int(r));
        std::stable_sort(m_recNos.begin(), m_recNos.end(), [&](int a, int b) {
            return m_descending ? keys[size_t(a)] > keys[size_t(b)] : keys[size_t(a)] < keys[size_t(b)];
        });
        for (int r : m_recNos)
            m_texts.push_back(keys[size_t(r)]);
    }
    m_positions.assign(m_recNos.size(), -1);
    for (size_t p = 0; p < m_recNos.size(); ++p)
        m_positions[size_t(m_recNos[p] - 1)] = int(p);
    m_builtAt = changeCount;
}

namespace {

// Beyond this a table from key to position costs more memory than the search saves.
constexpr double kDenseLimit = 65535;

} // namespace

void RecordOrder::buildDense() {
    m_dense.clear();
    double highest = 0;
    for (double k : m_numbers) {
        if (k < 0 || k > kDenseLimit || k != std::floor(k))
            return;
        highest = qMax(highest, k);
    }
    m_dense.assign(size_t(highest) + 1, -1);
    for (size_t p = 0; p < m_numbers.size(); ++p) {
        int& first = m_dense[size_t(m_numbers[p])];
        if (first < 0)
            first = int(p);
    }
}

void RecordOrder::keepIfKeyUnchanged(int recNo, quint64 changeCount) {
    if (m_builtAt + 1 != changeCount || !m_file || recNo < 1 || recNo > m_file->recordCount())
        return;
    const int position = positionOf(recNo);
    if (position < 0)
        return;
    const bool same = isNumeric() ? numberAt(recNo) == m_numbers[size_t(position)]
                                  : textAt(recNo) == m_texts[size_t(position)];
    if (same)
        m_builtAt = changeCount;
}

int RecordOrder::positionOf(int recNo) const {
    if (recNo < 1 || recNo > int(m_positions.size()))
        return -1;
    return m_positions[size_t(recNo - 1)];
}

RecordOrder::Key RecordOrder::makeKey(const QString& key) const {
    Key k;
    if (!isNumeric()) {
        k.text = Cp1252::fromUnicode(key);
        return k;
    }
    // Plain digits are the common case; anything else goes through the general conversion.
    QStringView digits = QStringView(key).trimmed();
    qint64 value = 0;
    bool plain = !digits.isEmpty() && digits.size() < 16;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            plain = false;
            break;
        }
        value = value * 10 + (c.unicode() - '0');
    }
    k.number = plain ? double(value) : digits.toString().toDouble();
    if (plain)
        k.whole = value;
    else if (k.number >= 0 && k.number < 9e15 && k.number == std::floor(k.number))
        k.whole = qint64(k.number); // "42.0"
    return k;
}

RecordOrder::Key RecordOrder::makeKey(qint64 key) const {
    if (!isNumeric())
        return makeKey(QString::number(key));
    Key k;
    k.number = double(key);
    k.whole = key >= 0 ? key : -1;
    return k;
}

bool RecordOrder::keyMatches(int position, const Key& key) const {
    if (isNumeric())
        return m_numbers[size_t(position)] == key.number;
    return m_texts[size_t(position)].startsWith(key.text);
}

int RecordOrder::lowerBound(const Key& key) const {
    if (isNumeric()) {
        const double k = key.number;
        if (!m_dense.empty()) {
            // Every key is a whole number below the table's size: any other key is not there.
            if (key.whole < 0 || key.whole >= qint64(m_dense.size()))
                return -1;
            return m_dense[size_t(key.whole)];
        }
        const auto it = m_descending
                            ? std::lower_bound(m_numbers.begin(), m_numbers.end(), k, std::greater<double>())
                            : std::lower_bound(m_numbers.begin(), m_numbers.end(), k);
        const size_t pos = size_t(it - m_numbers.begin());
        return pos < m_numbers.size() && m_numbers[pos] == k ? int(pos) : -1;
    }
    const auto before = [&](const QByteArray& t, const QByteArray& wanted) {
        const QByteArray head = t.left(wanted.size());
        return m_descending ? head > wanted : head < wanted;
    };
    const auto it = std::lower_bound(m_texts.begin(), m_texts.end(), key.text, before);
    const size_t pos = size_t(it - m_texts.begin());
    return pos < m_texts.size() && m_texts[pos].startsWith(key.text) ? int(pos) : -1;
}
