#include "ui/TrueTypeFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

bool TrueTypeFonts::isTrueType(const QString& family) {
    if (!QFontDatabase::isScalable(family) || QFontDatabase::isPrivateFamily(family))
        return false;
    QFont font(family);
    font.setPixelSize(10);
    const QRawFont raw = QRawFont::fromFont(font);
    return raw.isValid() && raw.familyName() == family && !raw.fontTable("glyf").isEmpty();
}

QStringList TrueTypeFonts::families() {
    QStringList names;
    for (const QString& family : QFontDatabase::families())
        if (isTrueType(family))
            names.append(family);
    for (const char* windowsName : {"Arial", "Times New Roman", "Courier New"}) {
        const QString alias = QString::fromLatin1(windowsName);
        const QString standIn = QFontInfo(QFont(alias)).family();
        if (!names.contains(alias) && names.contains(standIn))
            names.append(alias);
    }
    return names;
}
