#include "store/TApollo.h"

#include "store/Cp1252.h"
#include "store/MemoText.h"
#include "store/StoreError.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <cmath>
#include <limits>

TApollo::TApollo(TTable& table) : m_table(table) {
    m_table.addListener(this);
}

TApollo::~TApollo() {
    m_table.removeListener(this);
}

void TApollo::recordChanged(int recNo) {
    if (recNo >= 1 && size_t(recNo) <= m_matches.size())
        m_matches[size_t(recNo - 1)] = -1;
    // A pass that writes other fields (the home bar flags) keeps the orders without rebuilding them.
    for (RecordOrder& o : m_orders)
        o.keepIfKeyUnchanged(recNo, m_table.changeCount());
}

void TApollo::recordsReset() {
    m_matches.clear();
}

// A reopened table gets the stored filter again; pending values are posted and the controlling
// order is brought up to date before any operation looks at the records.
void TApollo::sync() {
    requireOpen();
    if (m_seenOpen != m_table.openCount())
        reapplyFilter();
    m_table.post();
    if (m_order > 0) {
        RecordOrder& o = m_orders[size_t(m_order - 1)];
        if (!o.isCurrent(m_table.changeCount()))
            o.rebuild(m_table.file(), m_table.changeCount());
    }
}

// The fields may have changed with the file: a filter that no longer compiles is dropped (and
// said so once) rather than evaluated against records it was not made for.
void TApollo::reapplyFilter() {
    m_seenOpen = m_table.openCount();
    m_filter = XbaseExpression();
    m_matches.clear();
    try {
        m_filter = XbaseExpression::compile(m_filterText, m_table.file().fields());
    } catch (const StoreError& e) {
        const QString dropped = m_filterText;
        m_filterText.clear();
        throw StoreError(
            QStringLiteral("Der Filter „%1“ passt nicht mehr zur Tabelle %2 und wurde aufgehoben: %3")
                .arg(dropped, m_table.tableName(), e.text()));
    }
}

void TApollo::notOpen() const {
    throw StoreError(QStringLiteral("Die Tabelle %1 ist nicht geöffnet.").arg(m_table.tableName()));
}

bool TApollo::matchesFilter(int recNo) const {
    if (m_matches.size() < size_t(m_table.file().recordCount()))
        m_matches.resize(size_t(m_table.file().recordCount()), -1);
    qint8& known = m_matches[size_t(recNo - 1)];
    if (known < 0)
        known = m_filter.matches(m_table.file().record(recNo)) ? 1 : 0;
    return known == 1;
}

int TApollo::orderSize() const {
    return m_table.file().recordCount();
}

int TApollo::recAt(int position) const {
    return m_order == 0 ? position + 1 : m_orders[size_t(m_order - 1)].recNoAt(position);
}

int TApollo::positionOf(int recNo) const {
    return m_order == 0 ? recNo - 1 : m_orders[size_t(m_order - 1)].positionOf(recNo);
}

void TApollo::setEof() {
    m_table.setPosition(m_table.file().recordCount() + 1, true, false);
}

int TApollo::findVisible(int position, int step) const {
    for (int p = position; p >= 0 && p < orderSize(); p += step) {
        if (isVisible(recAt(p)))
            return p;
    }
    return -1;
}

void TApollo::GoTop() {
    sync();
    const int p = findVisible(0, 1);
    if (p < 0)
        m_table.setPosition(m_table.file().recordCount() + 1, true, true);
    else
        m_table.setPosition(recAt(p), false, false);
}

void TApollo::GoBottom() {
    sync();
    const int p = findVisible(orderSize() - 1, -1);
    if (p < 0)
        m_table.setPosition(m_table.file().recordCount() + 1, true, true);
    else
        m_table.setPosition(recAt(p), false, false);
}

void TApollo::Go(int recNo) {
    sync();
    if (recNo >= 1 && recNo <= m_table.file().recordCount())
        m_table.setPosition(recNo, false, false);
    else
        setEof();
}

void TApollo::Skip(int count) {
    sync();
    for (int step = 0; step < qAbs(count); ++step) {
        if (count > 0) {
            if (m_table.eof())
                return;
            const int p = findVisible(positionOf(m_table.recNo()) + 1, 1);
            if (p < 0) {
                setEof();
                return;
            }
            m_table.setPosition(recAt(p), false, false);
            continue;
        }
        const int from = m_table.eof() ? orderSize() : positionOf(m_table.recNo());
        const int p = findVisible(from - 1, -1);
        if (p < 0) { // before the first: Bof, on the first visible record
            const int first = findVisible(0, 1);
            if (first < 0)
                m_table.setPosition(m_table.file().recordCount() + 1, true, true);
            else
                m_table.setPosition(recAt(first), false, true);
            return;
        }
        m_table.setPosition(recAt(p), false, false);
    }
}

bool TApollo::Eof() const {
    return !m_table.active() || m_table.eof();
}
bool TApollo::Bof() const {
    return !m_table.active() || m_table.bof();
}
int TApollo::RecNo() const {
    return m_table.recNo();
}

int TApollo::Count() {
    sync();
    int n = 0;
    for (int r = 1; r <= m_table.file().recordCount(); ++r)
        n += isVisible(r) ? 1 : 0;
    return n;
}

int TApollo::RecCount() const {
    requireOpen();
    return m_table.file().recordCount();
}

const DbfField& TApollo::fieldFor(const QString& name) const {
    requireOpen();
    const int index = m_table.file().fieldIndex(name.toLatin1());
    if (index < 0)
        throw StoreError(QStringLiteral("Feld %1 fehlt in der Tabelle %2").arg(name, m_table.tableName()));
    return m_table.file().fields().at(index);
}

QByteArray TApollo::fieldBytes(const DbfField& f) const {
    return QByteArray(m_table.current() + f.offset, f.length);
}

QByteArray TApollo::GetRawBytes(const QString& field) const {
    return fieldBytes(fieldFor(field));
}

QString TApollo::GetPaddedString(const QString& field) const {
    return Cp1252::toUnicode(GetRawBytes(field));
}

namespace {
QString trimmed(const char* bytes, int length) {
    while (length > 0 && (bytes[length - 1] == ' ' || bytes[length - 1] == '\0'))
        --length;
    return Cp1252::toUnicode(QByteArray(bytes, length));
}
} // namespace

QString TApollo::GetTrimString(const QString& field) const {
    const DbfField& f = fieldFor(field);
    return trimmed(m_table.current() + f.offset, f.length);
}

QString TApollo::GetTrimStringOf(int recNo, const QString& field) const {
    const DbfField& f = fieldFor(field);
    if (recNo < 1 || recNo > m_table.file().recordCount())
        throw StoreError(
            QStringLiteral("Satz %1 gibt es in der Tabelle %2 nicht").arg(recNo).arg(m_table.tableName()));
    return trimmed(m_table.file().record(recNo) + f.offset, f.length);
}

qint64 TApollo::GetInteger(const QString& field) const {
    const DbfField& f = fieldFor(field);
    const QByteArray bytes = fieldBytes(f).trimmed();
    if (f.type == 'L')
        return GetLogical(field) ? 1 : 0;
    const qsizetype dot = bytes.indexOf('.');
    bool ok = false;
    const qint64 value = (dot < 0 ? bytes : bytes.left(dot)).toLongLong(&ok);
    return ok ? value : 0;
}

bool TApollo::GetLogical(const QString& field) const {
    const QByteArray bytes = GetRawBytes(field);
    const char c = bytes.isEmpty() ? ' ' : bytes.at(0);
    return c == 'T' || c == 't' || c == 'Y' || c == 'y';
}

QString TApollo::GetMemo(const QString& field) const {
    const DbfField& f = fieldFor(field);
    if (f.type != 'M' || !m_table.file().memo())
        throw StoreError(QStringLiteral("Feld %1 ist kein Memofeld").arg(field));
    return Cp1252::toUnicode(m_table.file().memo()->read(fieldBytes(f)));
}

bool TApollo::IsEmpty(const QString& field) const {
    const DbfField& f = fieldFor(field);
    const QByteArray bytes = fieldBytes(f);
    switch (f.type) {
    case 'M':
        return !m_table.file().memo() || m_table.file().memo()->isEmpty(bytes);
    case 'N':
        return bytes.trimmed().isEmpty() || GetInteger(field) == 0;
    case 'L':
        return !GetLogical(field);
    default:
        return bytes.trimmed().isEmpty();
    }
}

QString TApollo::FieldName(int number) const {
    requireOpen();
    const auto& fields = m_table.file().fields();
    return number >= 1 && number <= fields.size() ? QString::fromLatin1(fields.at(number - 1).name)
                                                  : QString();
}

int TApollo::FieldCount() const {
    requireOpen();
    return int(m_table.file().fields().size());
}

void TApollo::putField(const DbfField& f, const QByteArray& bytes) {
    m_table.requireWritable();
    const bool stored = m_table.recNo() >= 1 && m_table.recNo() <= m_table.file().recordCount();
    if (m_table.eof() || !(stored || m_table.appending()))
        throw StoreError(QStringLiteral("Kein aktueller Satz in der Tabelle %1").arg(m_table.tableName()));
    m_table.edit().replace(f.offset, f.length, bytes);
}

void TApollo::ReplaceInteger(const QString& field, qint64 value) {
    const DbfField& f = fieldFor(field);
    if (f.type == 'L') {
        ReplaceLogical(field, value != 0);
        return;
    }
    if (f.type == 'N') {
        putNumber(f, field, value, 0);
        return;
    }
    const QByteArray text = QByteArray::number(value);
    if (text.size() > f.length)
        throw StoreError(QStringLiteral("Der Wert %1 passt nicht in das Feld %2").arg(value).arg(field));
    putField(f, text.leftJustified(f.length, ' '));
}

// `units` in steps of 10^-scale, written with the field's decimals, right-aligned.
void TApollo::putNumber(const DbfField& f, const QString& field, qint64 units, int scale) {
    const bool negative = units < 0;
    quint64 magnitude = negative ? 0 - quint64(units) : quint64(units);
    for (; scale < f.decimals; ++scale) {
        if (magnitude > std::numeric_limits<quint64>::max() / 10)
            throw StoreError(QStringLiteral("Der Wert passt nicht in das Feld %1").arg(field));
        magnitude *= 10;
    }
    QByteArray digits = QByteArray::number(magnitude);
    if (f.decimals > 0) {
        digits = digits.rightJustified(f.decimals + 1, '0');
        digits.insert(digits.size() - f.decimals, '.');
    }
    if (negative)
        digits.prepend('-');
    if (digits.size() > f.length)
        throw StoreError(
            QStringLiteral("Der Wert %1 passt nicht in das Feld %2").arg(QString::fromLatin1(digits), field));
    putField(f, digits.rightJustified(f.length, ' '));
}

// A decimal number as text ("40", "37.5", "4e1"), rounded to the field's decimals with halves to
// the even neighbour; blanks give 0. Anything else is refused rather than stored as 0.
void TApollo::putNumberText(const DbfField& f, const QString& field, const QString& value) {
    const QString text = value.trimmed();
    if (text.isEmpty()) {
        putNumber(f, field, 0, 0);
        return;
    }
    bool ok = false;
    const double number = text.toLatin1().toDouble(&ok);
    if (!ok || !std::isfinite(number) || text.contains(QLatin1Char(',')))
        throw StoreError(QStringLiteral("„%1“ ist keine Zahl für das Feld %2").arg(text, field));
    const double scaled = std::nearbyint(number * std::pow(10.0, f.decimals));
    if (std::fabs(scaled) >= 1e18)
        throw StoreError(QStringLiteral("Der Wert %1 passt nicht in das Feld %2").arg(text, field));
    putNumber(f, field, qint64(scaled), f.decimals);
}

void TApollo::ReplaceLogical(const QString& field, bool value) {
    const DbfField& f = fieldFor(field);
    putField(f, QByteArray(1, value ? 'T' : 'F').leftJustified(f.length, ' '));
}

void TApollo::ReplaceText(const QString& field, const QString& value) {
    const DbfField& f = fieldFor(field);
    if (f.type == 'M') {
        ReplaceMemo(field, value);
        return;
    }
    if (f.type == 'N') { // text into a number field: the store converts it
        putNumberText(f, field, value);
        return;
    }
    if (f.type == 'L') {
        const QString t = value.trimmed().toUpper();
        ReplaceLogical(field, t.startsWith(QLatin1Char('T')) || t.startsWith(QLatin1Char('Y')));
        return;
    }
    putField(f, Cp1252::fromUnicode(value).left(f.length).leftJustified(f.length, ' '));
}

void TApollo::ReplaceMemo(const QString& field, const QString& value) {
    const DbfField& f = fieldFor(field);
    if (f.type != 'M' || !m_table.file().memo())
        throw StoreError(QStringLiteral("Feld %1 ist kein Memofeld").arg(field));
    m_table.requireWritable();
    // The text is in the memo file before the record points to it.
    putField(f, m_table.file().memo()->write(Cp1252::fromUnicode(value)));
}

void TApollo::ReplaceEditedMemo(const QString& field, const QString& edited) {
    try {
        const QString stored = IsEmpty(field) ? QString() : GetMemo(field);
        if (MemoText::forEditing(stored) == MemoText::forEditing(edited))
            return;
    } catch (const StoreError&) {
        // An unreadable text is replaced by what the user sees.
    }
    ReplaceMemo(field, MemoText::forStoring(edited));
}

void TApollo::AppendBlank() {
    sync();
    m_table.requireWritable();
    const int recNo = m_table.append();
    m_table.setPosition(recNo, false, false);
}

void TApollo::BeginAppend() {
    sync();
    m_table.requireWritable();
    m_table.beginAppend();
}

void TApollo::Cancel() {
    requireOpen();
    m_table.cancel();
}

void TApollo::Edit() {
    sync();
    m_table.requireWritable();
    if (m_table.eof())
        throw StoreError(QStringLiteral("Kein aktueller Satz in der Tabelle %1").arg(m_table.tableName()));
}

// The table commits the pending record itself, so that a failed write can leave it pending.
void TApollo::Commit() {
    requireOpen();
    if (!m_table.file().isReadOnly())
        m_table.commit();
    sync();
}

void TApollo::writeThrough() {
    m_table.commit();
}

void TApollo::Delete() {
    sync();
    m_table.requireWritable();
    if (m_table.eof())
        return;
    m_table.edit()[0] = '*';
    writeThrough();
}

bool TApollo::IsDeleted() const {
    requireOpen();
    return !m_table.eof() && m_table.current()[0] == '*';
}

void TApollo::Recall() {
    sync();
    m_table.requireWritable();
    if (m_table.eof())
        return;
    m_table.edit()[0] = ' ';
    writeThrough();
}

void TApollo::Zap() {
    sync();
    m_table.requireWritable();
    m_table.zap();
    m_table.setPosition(1, true, true);
}

int TApollo::Query(const QString& expression) {
    if (!m_table.active()) {
        m_filterText = expression;
        m_seenOpen = 0;
        return 0;
    }
    sync();
    XbaseExpression compiled = XbaseExpression::compile(expression, m_table.file().fields());
    m_filterText = expression;
    m_filter = std::move(compiled);
    m_matches.clear();
    GoTop();
    return Count();
}

int TApollo::IndexTag(const QString&, const QString& tag, const QString& keyExpression, int, bool descending,
                      const QString&) {
    sync();
    RecordOrder order(tag, keyExpression.trimmed().toLatin1(), descending);
    order.rebuild(m_table.file(), m_table.changeCount());
    int number = TagArea(tag);
    if (number > 0) {
        m_orders[size_t(number - 1)] = std::move(order);
    } else {
        m_orders.push_back(std::move(order));
        number = int(m_orders.size());
    }
    SetOrder(number);
    return number;
}

int TApollo::TagArea(const QString& tag) const {
    for (size_t i = 0; i < m_orders.size(); ++i) {
        const QString& name = m_orders[i].tag();
        if (name == tag || name.compare(tag, Qt::CaseInsensitive) == 0)
            return int(i + 1);
    }
    return 0;
}

void TApollo::SetOrder(int order) {
    if (order < 0 || order > int(m_orders.size()))
        throw StoreError(QStringLiteral("Ordnung %1 gibt es nicht").arg(order));
    m_order = order;
}

const RecordOrder& TApollo::seekOrder() {
    sync();
    if (m_order == 0)
        throw StoreError(QStringLiteral("Suche ohne Index in der Tabelle %1").arg(m_table.tableName()));
    return m_orders[size_t(m_order - 1)];
}

bool TApollo::Seek(const QString& key) {
    const RecordOrder& o = seekOrder();
    return seekKey(o, o.makeKey(key));
}

bool TApollo::SeekNumber(qint64 key) {
    const RecordOrder& o = seekOrder();
    if (!o.hasDense())
        return seekKey(o, o.makeKey(key));
    // The ingredient look-ups' path: one table look-up, then the first visible record of the key.
    const double number = double(key);
    for (int p = o.denseFirst(key); p >= 0 && p < o.size() && o.numberAtPosition(p) == number; ++p) {
        if (isVisible(o.recNoAt(p))) {
            m_table.setPosition(o.recNoAt(p), false, false);
            return true;
        }
    }
    setEof();
    return false;
}

bool TApollo::seekKey(const RecordOrder& o, const RecordOrder::Key& k) {
    for (int p = o.lowerBound(k); p >= 0 && p < o.size() && o.keyMatches(p, k); ++p) {
        if (isVisible(o.recNoAt(p))) {
            m_table.setPosition(o.recNoAt(p), false, false);
            return true;
        }
    }
    setEof();
    return false;
}

bool TApollo::LockFile() {
    return m_table.active();
}

void TApollo::Unlock(int) {}
