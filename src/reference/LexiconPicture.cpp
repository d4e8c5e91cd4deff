#include "reference/LexiconPicture.h"

#include "store/PhotoPath.h"

QString LexiconPicture::defaultName(Kind kind) {
    return kind == Kind::Term ? QStringLiteral("BD.BMP") : QStringLiteral("DD.BMP");
}

QString LexiconPicture::file(const QString& bild, Kind kind, const QString& picturesFolder,
                             const QString& dataFolder) {
    const QString name = bild.trimmed();
    if (PhotoPath::isSafeName(name)) {
        const QString found =
            PhotoPath::resolve(picturesFolder, QStringLiteral("EXTRAS/") + name + QStringLiteral(".BMP"));
        if (!found.isEmpty())
            return found;
    }
    return PhotoPath::resolve(dataFolder, defaultName(kind));
}
