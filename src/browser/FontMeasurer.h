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
    int height() const override {
        return m_metrics.boundingRect(QLatin1Char('A')).height() + m_metrics.descent() + 2;
    }

private:
    QFontMetrics m_metrics;
};
