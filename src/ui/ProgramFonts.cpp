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
