#pragma once

#include <QLabel>

// A wrapped text on an assistant's page. Headings are bold through rich text, because the program's
// face is set for every label and would replace a bold font set on the label.
inline QLabel* pageLabel(const QString& text, QWidget* parent, const QRect& geometry, bool bold = false) {
    QString shown = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText); // ingredient names are never markup
    if (bold) {
        label->setTextFormat(Qt::RichText);
        shown = QStringLiteral("<b>") + shown.toHtmlEscaped() + QStringLiteral("</b>");
    }
    label->setText(shown);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
