#include "SkinStyle.h"

#include <stdexcept>

const QList<SkinStyle>& SkinStyle::all() {
    using T = SkinStyle::Texture;
    static const QList<SkinStyle> list = {
        // Oriental dialogs (and the Raffles main window): midnight lacquer with gold beads.
        {QStringLiteral("ORIENT_F"), QColor(30, 40, 112), QColor(12, 16, 58), QColor(112, 124, 206),
         QColor(4, 6, 26), QColor(218, 176, 78), T::Lacquer, false},
        // Oriental main window: crimson star mosaic with gold.
        {QStringLiteral("ORIENT_D"), QColor(128, 22, 38), QColor(66, 8, 22), QColor(200, 92, 100),
         QColor(30, 4, 10), QColor(226, 182, 86), T::Mosaic, false},
        // Beachcomber dialogs: lagoon water with a line of foam.
        {QStringLiteral("BEACH_F"), QColor(0, 136, 146), QColor(0, 70, 96), QColor(126, 222, 214),
         QColor(0, 36, 50), QColor(236, 250, 244), T::Lagoon, false},
        // Beachcomber and Shepard main window: bleached driftwood with a sea-green inlay.
        {QStringLiteral("BEACH_D"), QColor(142, 112, 78), QColor(92, 68, 44), QColor(214, 190, 148),
         QColor(46, 32, 18), QColor(0, 156, 128), T::Driftwood, false},
        // Shepard dialogs and the Lexington main window: terracotta with a twisted cord.
        {QStringLiteral("BEACH2_F"), QColor(178, 74, 30), QColor(104, 36, 12), QColor(232, 138, 86),
         QColor(52, 18, 6), QColor(244, 218, 164), T::Terracotta, false},
        // Top of the World and Lexington dialogs: brushed steel with silver pinstripes.
        {QStringLiteral("TOP2_F"), QColor(58, 76, 110), QColor(24, 34, 58), QColor(150, 170, 204),
         QColor(8, 12, 24), QColor(214, 224, 236), T::Steel, false},
        // Top of the World main window: night sky over snowy peaks.
        {QStringLiteral("TOP_D"), QColor(20, 40, 92), QColor(40, 88, 148), QColor(156, 200, 238),
         QColor(6, 14, 38), QColor(234, 246, 255), T::Glacier, false},
        // Raffles dialogs: polished teak with a brass rule.
        {QStringLiteral("TOP_F"), QColor(126, 68, 30), QColor(70, 34, 12), QColor(184, 120, 66),
         QColor(34, 14, 4), QColor(220, 180, 96), T::Teak, false},
        // Route 256: the sixteen VGA colours only.
        {QStringLiteral("LOW_F"), QColor(0, 128, 128), QColor(0, 128, 128), QColor(255, 255, 255),
         QColor(0, 0, 0), QColor(192, 192, 192), T::Vga, true},
        {QStringLiteral("LOW_D"), QColor(0, 0, 128), QColor(0, 0, 128), QColor(255, 255, 255),
         QColor(0, 0, 0), QColor(0, 128, 128), T::VgaNavy, true},
    };
    return list;
}

const SkinStyle& SkinStyle::byName(const QString& name) {
    for (const SkinStyle& s : all()) {
        if (s.name == name)
            return s;
    }
    throw std::invalid_argument("unknown skin " + name.toStdString());
}
