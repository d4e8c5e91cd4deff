#pragma once

#include <QByteArray>
#include <QString>

// One set of search criteria: a 436-byte record, also a slot of SUCHEN.CFG. Names are kept as
// length-prefixed Windows-1252 strings of fixed capacity; integers are little-endian.
class SearchCriteria {
public:
    static constexpr int kSize = 436;
    static constexpr int kRows = 4;
    static constexpr int kMaxName = 70;
    static constexpr int kMaxIngredient = 30;
    static constexpr int kMaxCategory = 50;

    SearchCriteria(); // the defaults of an empty slot
    explicit SearchCriteria(const QByteArray& bytes)
        : m_bytes(bytes.left(kSize).leftJustified(kSize, '\0')) {}

    QString name() const { return string(0, kMaxName); }
    void setName(const QString& v) { setString(0, kMaxName, v); }
    qint32 homeBarIndex() const;
    void setHomeBarIndex(qint32 index);
    bool ownOnly() const { return byte(76) != 0; }
    void setOwnOnly(bool v) { setByte(76, v); }
    bool without(int row) const { return byte(77 + row) != 0; } // row 0..3: "ohne"
    void setWithout(int row, bool v) { setByte(77 + row, v); }
    int minAlcohol() const { return byte(81); }
    void setMinAlcohol(int v) { setByte(81, v); }
    int maxAlcohol() const { return byte(82); }
    void setMaxAlcohol(int v) { setByte(82, v); }
    bool markedOnly() const { return byte(83) != 0; }
    void setMarkedOnly(bool v) { setByte(83, v); }
    bool homeBarOnly() const { return byte(84) != 0; }
    void setHomeBarOnly(bool v) { setByte(84, v); }
    int purchases() const { return byte(85); }
    void setPurchases(int v) { setByte(85, v); }
    QString ingredient(int row) const { return string(86 + 31 * row, kMaxIngredient); }
    void setIngredient(int row, const QString& v) { setString(86 + 31 * row, kMaxIngredient, v); }
    QString alternative(int row) const { return string(210 + 31 * row, kMaxIngredient); }
    void setAlternative(int row, const QString& v) { setString(210 + 31 * row, kMaxIngredient, v); }
    QString category() const { return string(334, kMaxCategory); }
    void setCategory(const QString& v) { setString(334, kMaxCategory, v); }
    QString taste() const { return string(385, kMaxCategory); }
    void setTaste(const QString& v) { setString(385, kMaxCategory, v); }

    const QByteArray& bytes() const { return m_bytes; }

private:
    int byte(int at) const { return quint8(m_bytes.at(at)); }
    void setByte(int at, int v) { m_bytes[at] = char(quint8(v)); }
    QString string(int at, int capacity) const;
    void setString(int at, int capacity, const QString& v);
    QByteArray m_bytes;
};
