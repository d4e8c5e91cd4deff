#include "ui/SkinSet.h"

#include "store/PhotoPath.h"

bool SkinSet::load(const QString& dataFolder, const QString& skinName) {
    name.clear();
    QPixmap* targets[] = {&top, &bottom, &right, &left};
    const char suffixes[] = {'O', 'U', 'R', 'L'};
    for (int i = 0; i < 4; ++i) {
        const QString file =
            PhotoPath::resolve(dataFolder, skinName + QLatin1Char(suffixes[i]) + QStringLiteral(".BMP"));
        if (file.isEmpty() || !targets[i]->load(file)) {
            *targets[i] = QPixmap();
            return false;
        }
    }
    name = skinName;
    return true;
}

QString SkinSet::failureText(const QString& dataFolder, const QString& skinName) {
    return QStringLiteral("Die Datei ") + dataFolder + skinName +
           QStringLiteral("_??.BMP konnte nicht geladen werden!");
}
