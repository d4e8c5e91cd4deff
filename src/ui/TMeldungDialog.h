#pragma once

#include "ui/TOwnFenster.h"

#include <QSize>

class QFontMetrics;
class QLabel;
class QPushButton;

// The program's message box: a text of a given number of lines and either "OK" or "&Ja"/"&Nein".
// Returns 1 (OK), 6 (yes) or 7 (no); Escape answers no, or OK in a box without a question.
class TMeldungDialog : public TOwnFenster {
    Q_OBJECT
public:
    static constexpr int kWidth = 380;
    static constexpr int kLineHeight = 15;
    // The lines a text needs, wrapped to the width in the font measured.
    static int linesNeeded(const QFontMetrics& metrics, const QString& text, int textWidth);

    TMeldungDialog(UiContext context, QWidget* parent = nullptr);
    int ask(const QString& text, const QString& caption, int lines, bool yesNo);

    QLabel* Textfeld = nullptr;
    QPushButton* JaButton = nullptr;
    QPushButton* NeinButton = nullptr;
    QPushButton* OkButton = nullptr;

    void reject() override;

protected:
    bool alwaysCentre() const override { return true; }
    void showEvent(QShowEvent* event) override;

private:
    // The box's width and its number of text lines for the text.
    QSize fit(const QString& text, int lines) const;
    bool m_yesNo = false;
};
