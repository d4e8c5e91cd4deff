#include "store/PhotoPath.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

bool PhotoPath::isSafeName(const QString& name) {
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        return false;
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

QString PhotoPath::collectionPath(const QString& bild) {
    const QString text = bild.trimmed();
    if (text.isEmpty() || text == QStringLiteral("e") || !isSafeName(text))
        return {};
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 0)
        return {};
    const QString folder = QString::number(number / 100).rightJustified(2, QLatin1Char('0'));
    return folder + QLatin1Char('/') + text + QStringLiteral(".BMP");
}

QString PhotoPath::resolve(const QString& folder, const QString& relative) {
    QDir dir(folder);
    const QStringList parts = relative.split(QLatin1Char('/'));
    // Spelled as on disk, the usual case, it needs no listing of the folders.
    if (std::all_of(parts.begin(), parts.end(), isSafeName) && !folder.isEmpty()) {
        const QString direct = dir.filePath(relative);
        if (QFileInfo(direct).isFile())
            return direct;
    }
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        if (!isSafeName(part) || !dir.exists())
            return {};
        QString match;
        const bool last = i == parts.size() - 1;
        for (const QString& entry : dir.entryList(last ? QDir::Files : QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty())
            return {};
        if (last)
            return dir.filePath(match);
        dir.cd(match);
    }
    return {};
}

QString PhotoPath::forRecipe(const QString& bild, const QString& eigen, const QString& picturesFolder,
                             const QString& ownPhotosFolder) {
    const QString own = eigen.trimmed();
    if (!own.isEmpty())
        return isSafeName(own) ? resolve(ownPhotosFolder, own + QStringLiteral(".BMP")) : QString();
    const QString relative = collectionPath(bild);
    return relative.isEmpty() ? QString() : resolve(picturesFolder, relative);
}

QString PhotoPath::printPath(const QString& collectionPath) {
    return collectionPath.endsWith(QStringLiteral(".BMP"))
               ? collectionPath.chopped(4) + QStringLiteral(".JPG")
               : QString();
}

QString PhotoPath::forPrinting(const QString& bild, const QString& eigen, const QString& picturesFolder,
                               const QString& ownPhotosFolder) {
    if (eigen.trimmed().isEmpty()) {
        const QString print = printPath(collectionPath(bild));
        const QString found = print.isEmpty() ? QString() : resolve(picturesFolder, print);
        if (!found.isEmpty())
            return found;
    }
    return forRecipe(bild, eigen, picturesFolder, ownPhotosFolder);
}
