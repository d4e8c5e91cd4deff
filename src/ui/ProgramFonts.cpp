#include "ui/ProgramFonts.h"

#include <QApplication>
#include <QFontDatabase>

void ProgramFonts::registerFonts() {
    for (const char* file : {"/usr/share/wine/fonts/ms_sans_serif.ttf", "/usr/share/wine/fonts/wingding.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

void ProgramFonts::applyUiFont() {
    const QFont ui = uiFont();
    QApplication::setFont(ui);
    // Menus and the menu bar keep the face even inside windows that draw with another font.
    for (const char* widgetClass : {"QMenuBar", "QMenu", "QDialog", "QPushButton", "QLabel"})
        QApplication::setFont(ui, widgetClass);
}

QFont ProgramFonts::uiFont() {
    // The bitmap face has glyphs for 100 % only: on a scaled screen it would stay small and spaced
    // apart. There the outline face with Arial's widths takes its place and scales with the rest.
    // The bitmap's 8-point glyphs are as tall as the outline face's at 9 points.
    const bool scaled = qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
    QFont font(scaled ? QStringLiteral("Liberation Sans") : QStringLiteral("MS Sans Serif"));
    font.setPointSize(scaled ? 9 : 8);
    return font;
}

QString ProgramFonts::wingdingsSymbol(char16_t code) {
    switch (code) {
    case 0xF1: // "ñ": arrow up
        return QStringLiteral("\u21E7");
    case 0xF2: // "ò": arrow down
        return QStringLiteral("\u21E9");
    case 0x5D: // "]": ship's wheel
        return QStringLiteral("\u2638");
    case 0x76: // "v": diamond
        return QStringLiteral("\u2756");
    case 0xAD: // eight-pointed star
        return QStringLiteral("\u2734");
    case 0xD0: // leaf pointing north east
        return QStringLiteral("\U0001F656");
    case 0xD1: // leaf pointing north west
        return QStringLiteral("\U0001F650");
    default:
        return QString(QChar(code));
    }
}
