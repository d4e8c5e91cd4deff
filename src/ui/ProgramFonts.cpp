#include "ui/ProgramFonts.h"

#include <QApplication>
#include <QFontDatabase>

void ProgramFonts::registerFonts() {
    for (const char* file : {"/usr/share/wine/fonts/ms_sans_serif.ttf", "/usr/share/wine/fonts/wingding.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    const QFont ui = uiFont();
    QApplication::setFont(ui);
    // Menus and the menu bar keep the face even inside windows that draw with another font.
    for (const char* widgetClass : {"QMenuBar", "QMenu", "QDialog", "QPushButton", "QLabel"})
        QApplication::setFont(ui, widgetClass);
}

QFont ProgramFonts::uiFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    return font;
}

QString ProgramFonts::wingdingsSymbol(char16_t code) {
    switch (code) {
    case 0xF1: // "ñ": arrow up
        return QStringLiteral("\u21E7");
    case 0xF2: // "ò": arrow down
        return QStringLiteral("\u21E9");
    default:
        return QString(QChar(code));
    }
}
