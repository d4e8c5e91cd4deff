#pragma once

#include <QImage>
#include <QString>

// The pictures of the bar lexicon's terms and of the decorations (BILDER/EXTRAS), and the two
// default pictures shown when a term or decoration has none (DATEN/BD.BMP, DATEN/DD.BMP).
class ExtraPainter {
public:
    static constexpr int kSize = 160;

    // A decoration on a serving board, seen from above; rims and cream are shown on a glass.
    static QImage decoration(const QString& name);
    // A lexicon term: its glass, drink, tool, bottle or object, found by the words of its name.
    static QImage term(const QString& name);
    static QImage decorationDefault();
    static QImage termDefault();
};
