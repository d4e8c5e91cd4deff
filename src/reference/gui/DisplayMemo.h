#pragma once

#include <QPlainTextEdit>

// A display-only text area: no border, the arrow cursor, never the focus; a vertical scroll bar
// only when the text has more lines than fit, counted in lines of the area's font.
class DisplayMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DisplayMemo(QWidget* parent = nullptr);

    // Shows the text (CR LF or LF line ends) and applies the scroll bar rule.
    void setText(const QString& text);
    // How many lines of the font fit the area's height.
    int visibleLines() const;
    // How many lines the text takes at the area's width, wrapped lines counted one by one.
    int textLines() const;
};
