#include "ui/ProgramFonts.h"

#include <QFontDatabase>

void ProgramFonts::registerFonts() {
    for (const char* file : {"/usr/share/wine/fonts/ms_sans_serif.ttf", "/usr/share/wine/fonts/wingding.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
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
