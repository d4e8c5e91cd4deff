#include "ui/ClipboardText.h"

#include "ui/Meldungsfenster.h"

#include <QApplication>
#include <QClipboard>

QString ClipboardText::forPlatform(const QString& text) {
    QString out = text;
    return out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void ClipboardText::put(const QString& text) {
    QApplication::clipboard()->setText(forPlatform(text));
}

void ClipboardText::putAndConfirm(const QString& text) {
    put(text);
    Meldungsfenster::show(Notice::hint(QStringLiteral("Der Text wurde in die Zwischenablage kopiert."), 1));
}
