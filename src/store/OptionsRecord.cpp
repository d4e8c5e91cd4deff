#include "store/OptionsRecord.h"

#include "store/AtomicFile.h"
#include "store/Cp1252.h"
#include "store/LittleEndian.h"

#include <QFile>

namespace {
constexpr int kFontNameAt = 30;
const QByteArray kMagic("\x04V807", 5);
} // namespace

OptionsRecord::OptionsRecord() : m_bytes(kSize, '\0') {
    applyDefaults();
}

void OptionsRecord::applyDefaults() {
    // Offset 9 and the padding at 62..63 keep whatever is there.
    const char keep9 = m_bytes.at(9);
    const QByteArray keepPadding = m_bytes.mid(62, 2);
    m_bytes.fill('\0', kSize);
    m_bytes.replace(0, kMagic.size(), kMagic);
    const std::pair<Field, quint8> defaults[] = {{TextBackground, 2},
                                                 {Motif, 1},
                                                 {Music, 1},
                                                 {BackgroundGraphic, 1},
                                                 {HomeBar, 1},
                                                 {CentreDialogs, 0},
                                                 {DashesPerCl, 12},
                                                 {IngredientsCentred, 1},
                                                 {InstructionsJustified, 1},
                                                 {FontSize, 14},
                                                 {BodyWeight, 70},
                                                 {DrinkingHours, 2},
                                                 {AmountUnit, 0},
                                                 {LexiconMarked, 0},
                                                 {Reserved21, 2},
                                                 {FontBold, 0},
                                                 {FontItalic, 0},
                                                 {Noises, 1},
                                                 {Speech, 1},
                                                 {ShortHelp, 1},
                                                 {HiColorIcons, 1},
                                                 {FlickerFree, 1},
                                                 {Photos, 1}};
    for (const auto& [field, value] : defaults)
        set(field, value);
    setFontName(QStringLiteral("Arial"));
    m_bytes[9] = keep9;
    m_bytes.replace(62, 2, keepPadding);
}

OptionsRecord OptionsRecord::fromFileBytes(const QByteArray& bytes) {
    OptionsRecord record(bytes.left(kSize).leftJustified(kSize, '\0'));
    if (bytes.size() < kSize || !bytes.startsWith(kMagic))
        record.applyDefaults();
    return record;
}

OptionsRecord OptionsRecord::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromFileBytes(file.read(kSize));
}

bool OptionsRecord::save(const QString& path, bool startedFromCd, QString* reason) const {
    if (startedFromCd)
        return false;
    QByteArray out = m_bytes;
    out.replace(0, kMagic.size(), kMagic);
    return AtomicFile::write(path, out, reason);
}

QString OptionsRecord::fontName() const {
    const int length = qMin<int>(quint8(m_bytes.at(kFontNameAt)), kMaxFontName);
    return Cp1252::toUnicode(m_bytes.mid(kFontNameAt + 1, length));
}

void OptionsRecord::setFontName(const QString& name) {
    const QByteArray bytes = Cp1252::fromUnicode(name).left(kMaxFontName);
    m_bytes[kFontNameAt] = char(bytes.size());
    m_bytes.replace(kFontNameAt + 1, bytes.size(), bytes);
}

qint32 OptionsRecord::reservedInt(int offset) const {
    return qint32(le::u32(m_bytes, offset));
}
