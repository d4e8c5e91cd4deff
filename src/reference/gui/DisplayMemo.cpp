#include "reference/gui/DisplayMemo.h"

#include "ui/ClipboardText.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

DisplayMemo::DisplayMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu); // the window's own menu applies
    setTextInteractionFlags(Qt::NoTextInteraction);
    viewport()->setCursor(Qt::ArrowCursor);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int DisplayMemo::visibleLines() const {
    const int margins = 2 * int(document()->documentMargin());
    return qMax(0, (contentsRect().height() - margins) / qMax(1, fontMetrics().lineSpacing()));
}

// Counted by laying the text out as the area will, at the width it has without a scroll bar, so
// that the count holds before the window is first shown.
int DisplayMemo::textLines() const {
    const qreal width = contentsRect().width() - 2 * document()->documentMargin() - cursorWidth();
    QTextOption option = document()->defaultTextOption();
    option.setWrapMode(wordWrapMode());
    int lines = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        QTextLayout layout(block.text(), font());
        layout.setTextOption(option);
        layout.beginLayout();
        int blockLines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++blockLines;
        }
        layout.endLayout();
        lines += qMax(1, blockLines);
    }
    return lines;
}

void DisplayMemo::setText(const QString& text) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setPlainText(ClipboardText::forPlatform(text));
    if (text.isEmpty())
        return;
    if (textLines() > visibleLines())
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setValue(0);
}
