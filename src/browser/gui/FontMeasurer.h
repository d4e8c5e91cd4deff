#pragma once

#include "browser/TextMeasurer.h"

#include <QFont>
#include <QFontMetrics>

// Measures recipe text with the window's font.
class FontMeasurer : public TextMeasurer {
public:
    explicit FontMeasurer(const QFont& font = QFont()) : m_metrics(font) {}
    void setFont(const QFont& font) { m_metrics = QFontMetrics(font); }
    int width(const QString& text) const override { return m_metrics.horizontalAdvance(text); }
    // The font's full line spacing, so that accents and umlaut dots keep clear of the line above.
    int height() const override { return m_metrics.lineSpacing(); }

private:
    QFontMetrics m_metrics;
};
