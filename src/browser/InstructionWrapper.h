#pragma once

class TextMeasurer;
struct RecipeDisplay;

// `WrapInstructions`: breaks `InstructionText` into the display lines from `FirstTextLine` on, for
// the width of the text area less 40 pixels. A carriage return ends a line, a line feed is ignored,
// words are separated by blanks. With justification, a line that ended because the next word did
// not fit gets gap widths that make it end exactly at the right margin; lines ended by a line
// break, and the last line, stay ragged. The line table never grows beyond 100 lines; text that
// does not fit is not shown. A word wider than the whole line stays on a line of its own rather
// than leaving an empty line above it.
class InstructionWrapper {
public:
    static constexpr int kMargins = 40;
    static void WrapInstructions(RecipeDisplay& display, const TextMeasurer& measurer, int areaWidth,
                                 bool justify);
};
