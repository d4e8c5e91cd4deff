#pragma once

#include <QByteArray>
#include <QString>

// OPTION.CFG: the user's settings as one 72-byte record, kept exactly as stored.
class OptionsRecord {
public:
    static constexpr int kSize = 72;
    static constexpr int kMaxFontName = 31;

    // Single-byte fields by their offset.
    enum Field : int {
        TextBackground = 5, // 1 dark, 2 light
        Motif = 6,          // 1..7
        Music = 7,          // 0 none, 1 at start, 2 endless
        BackgroundGraphic = 8,
        Reserved9 = 9,
        Reserved10 = 10,
        HomeBar = 11,       // 1..3
        CentreDialogs = 12, // 0 keep position, 1 centre
        DashesPerCl = 13,   // 1..255
        IngredientsCentred = 14,
        InstructionsJustified = 15,
        FontSize = 16,
        BodyWeight = 17,
        DrinkingHours = 18,
        AmountUnit = 19, // 0 piece, 1 cl, 2 ml
        LexiconMarked = 20,
        Reserved21 = 21,
        FontBold = 22,
        FontItalic = 23,
        Noises = 24,
        Speech = 25,
        ShortHelp = 26,
        HiColorIcons = 27,
        FlickerFree = 28,
        Photos = 29,
    };

    OptionsRecord(); // all defaults
    explicit OptionsRecord(const QByteArray& bytes) : m_bytes(bytes) {}

    // Missing, short or foreign files give the defaults, without a message.
    static OptionsRecord load(const QString& path);
    static OptionsRecord fromFileBytes(const QByteArray& bytes);
    // Does nothing while started read-only (false returned); `reason` tells why a write failed.
    bool save(const QString& path, bool startedFromCd, QString* reason = nullptr) const;

    quint8 get(Field f) const { return quint8(m_bytes.at(f)); }
    void set(Field f, quint8 value) { m_bytes[f] = char(value); }
    QString fontName() const;
    void setFontName(const QString& name);
    qint32 reservedInt(int offset) const; // 64 or 68
    const QByteArray& bytes() const { return m_bytes; }

private:
    void applyDefaults();
    QByteArray m_bytes;
};
