#pragma once

#include "browser/TextMeasurer.h"

// Every character is 7 pixels wide, every line 16 pixels high.
class FixedMeasurer : public TextMeasurer {
public:
    static constexpr int kChar = 7;
    static constexpr int kLine = 16;
    int width(const QString& text) const override { return int(text.size()) * kChar; }
    int height() const override { return kLine; }
};
