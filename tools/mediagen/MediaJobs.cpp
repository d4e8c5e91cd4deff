#include "MediaJobs.h"

#include "ArtPainter.h"
#include "AssistantPainter.h"
#include "BackgroundPainter.h"
#include "BmpFiles.h"
#include "DrinkLook.h"
#include "ExtraPainter.h"
#include "IcoWriter.h"
#include "IconPainter.h"
#include "PhotoPainter.h"
#include "RecipeSource.h"
#include "SkinPainter.h"
#include "SkinStyle.h"

#include "store/PhotoPath.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

#include <stdexcept>

namespace {

const char* const kAssistantPictures[] = {"c1", "c2", "c3", "c4", "c5", "b1", "b2", "b3", "b4", "b5", "e1"};
const char kSkinParts[] = {'O', 'U', 'R', 'L'};

QString path(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name);
}

void savePng(const QImage& image, const QString& file) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!image.save(file, "PNG"))
        throw std::runtime_error("cannot write " + file.toStdString());
}

QDateTime newest(const QStringList& files) {
    QDateTime latest;
    for (const QString& f : files) {
        const QFileInfo info(f);
        if (info.exists() && (!latest.isValid() || info.lastModified() > latest))
            latest = info.lastModified();
    }
    return latest;
}

// Removes BMP files below the folder that this run did not write.
void removeStale(const QString& folder, const QSet<QString>& written) {
    QDirIterator it(folder, {QStringLiteral("*.BMP"), QStringLiteral("*.bmp"), QStringLiteral("*.JPG")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = QFileInfo(it.next()).absoluteFilePath();
        if (!written.contains(file))
            QFile::remove(file);
    }
}

} // namespace

QStringList MediaJobs::pictureFiles() {
    QStringList out = {
        QStringLiteral("INTROHI.BMP"), QStringLiteral("INTROLO.BMP"), QStringLiteral("DEFAULT.BMP"),
        QStringLiteral("DEF16.BMP"),   QStringLiteral("WERBUNG.BMP"), QStringLiteral("DD.BMP"),
        QStringLiteral("BD.BMP"),      QStringLiteral("info.bmp"),    QStringLiteral("AUTORUN.ICO")};
    for (const char* name : kAssistantPictures)
        out.append(QString::fromLatin1(name) + QStringLiteral(".bmp"));
    for (const SkinStyle& s : SkinStyle::all()) {
        for (char part : kSkinParts)
            out.append(s.name + QLatin1Char(part) + QStringLiteral(".BMP"));
    }
    for (int family = 1; family <= 3; ++family) {
        out.append(QStringLiteral("K%1_D.BMP").arg(family));
        out.append(QStringLiteral("K%1_H.BMP").arg(family));
    }
    return out;
}

void MediaJobs::writePictures(const QString& dataFolder) {
    const QImage intro = ArtPainter::intro();
    BmpFiles::save24(intro, path(dataFolder, QStringLiteral("INTROHI.BMP")));
    BmpFiles::save4(intro, path(dataFolder, QStringLiteral("INTROLO.BMP")), true);
    const QImage neutral = ArtPainter::defaultPhoto();
    BmpFiles::save24(neutral, path(dataFolder, QStringLiteral("DEFAULT.BMP")));
    BmpFiles::save4(neutral, path(dataFolder, QStringLiteral("DEF16.BMP")), true);
    BmpFiles::save24(ArtPainter::advert(), path(dataFolder, QStringLiteral("WERBUNG.BMP")));
    BmpFiles::save24(ArtPainter::info(), path(dataFolder, QStringLiteral("info.bmp")));
    BmpFiles::save24(ExtraPainter::decorationDefault(), path(dataFolder, QStringLiteral("DD.BMP")));
    BmpFiles::save24(ExtraPainter::termDefault(), path(dataFolder, QStringLiteral("BD.BMP")));
    for (const char* name : kAssistantPictures) {
        const QString n = QString::fromLatin1(name);
        BmpFiles::save24(AssistantPainter::picture(n), path(dataFolder, n + QStringLiteral(".bmp")));
    }
    for (const SkinStyle& s : SkinStyle::all()) {
        for (char part : kSkinParts) {
            const QImage img = SkinPainter::paint(s, part);
            const QString file = path(dataFolder, s.name + QLatin1Char(part) + QStringLiteral(".BMP"));
            if (s.lowColour)
                BmpFiles::save4(img, file, false);
            else
                BmpFiles::save24(img, file);
        }
    }
    for (int family = 1; family <= 3; ++family) {
        BmpFiles::save24(BackgroundPainter::tile(family, true),
                         path(dataFolder, QStringLiteral("K%1_D.BMP").arg(family)));
        BmpFiles::save24(BackgroundPainter::tile(family, false),
                         path(dataFolder, QStringLiteral("K%1_H.BMP").arg(family)));
    }
    BmpFiles::writeFile(path(dataFolder, QStringLiteral("AUTORUN.ICO")),
                        IcoWriter::encode({ArtPainter::icon(32), ArtPainter::icon(16)}));
}

bool MediaJobs::writePhotos(const QString& dataFolder, const QString& picturesFolder,
                            const QString& stampFile) {
    const QStringList tables = {QStringLiteral("RE.DBF"), QStringLiteral("RE.SMT"), QStringLiteral("ZU.DBF"),
                                QStringLiteral("DE.DBF"), QStringLiteral("BA.DBF")};
    QStringList inputs;
    for (const QString& t : tables)
        inputs.append(path(dataFolder, t));
    if (!QFileInfo::exists(inputs.first()))
        return false;
    inputs.append(QCoreApplication::applicationFilePath());
    const QFileInfo stamp(stampFile);
    if (stamp.exists() && stamp.lastModified() >= newest(inputs))
        return true;

    QSet<QString> written;
    const auto save = [&](const QImage& image, const QString& relative) {
        const QString file = QFileInfo(path(picturesFolder, relative)).absoluteFilePath();
        BmpFiles::save24(image, file);
        written.insert(file);
    };
    for (const RecipeInfo& r : RecipeSource::recipes(dataFolder)) {
        const QString relative = PhotoPath::collectionPath(r.bild);
        if (relative.isEmpty())
            continue;
        const DrinkLook look = DrinkLook::fromRecipe(r);
        save(PhotoPainter::photo(look), relative);
        const QString print =
            QFileInfo(path(picturesFolder, PhotoPath::printPath(relative))).absoluteFilePath();
        if (!PhotoPainter::photo(look, PhotoPainter::kPrintScale).save(print, "JPG", 90))
            qFatal("Kann %s nicht schreiben", qPrintable(print));
        written.insert(print);
    }
    for (const RecipeSource::Picture& d : RecipeSource::pictures(dataFolder, QStringLiteral("DE"))) {
        if (PhotoPath::isSafeName(d.bild))
            save(ExtraPainter::decoration(d.name),
                 QStringLiteral("EXTRAS/") + d.bild + QStringLiteral(".BMP"));
    }
    for (const RecipeSource::Picture& t : RecipeSource::pictures(dataFolder, QStringLiteral("BA"))) {
        if (PhotoPath::isSafeName(t.bild))
            save(ExtraPainter::term(t.name), QStringLiteral("EXTRAS/") + t.bild + QStringLiteral(".BMP"));
    }
    removeStale(picturesFolder, written);
    BmpFiles::writeFile(stampFile, QByteArray::number(written.size()) + '\n');
    return true;
}

QStringList MediaJobs::resourceFiles() {
    QStringList out;
    for (int k = 1; k <= 10; ++k) {
        out.append(QStringLiteral("toolbar/hi/%1.png").arg(k, 2, 10, QLatin1Char('0')));
        out.append(QStringLiteral("toolbar/lo/%1.png").arg(k, 2, 10, QLatin1Char('0')));
    }
    out << QStringLiteral("buttons/OListe.png") << QStringLiteral("buttons/UListe.png")
        << QStringLiteral("mark/Markigrafik.png") << QStringLiteral("cursor/CURSOR_1.png")
        << QStringLiteral("app/velta98.png");
    return out;
}

void MediaJobs::writeResources(const QString& outFolder) {
    for (int k = 1; k <= 10; ++k) {
        const QString number = QStringLiteral("%1.png").arg(k, 2, 10, QLatin1Char('0'));
        savePng(IconPainter::toolbar(k, true), path(outFolder, QStringLiteral("toolbar/hi/") + number));
        savePng(IconPainter::toolbar(k, false), path(outFolder, QStringLiteral("toolbar/lo/") + number));
    }
    savePng(IconPainter::stepArrow(true), path(outFolder, QStringLiteral("buttons/OListe.png")));
    savePng(IconPainter::stepArrow(false), path(outFolder, QStringLiteral("buttons/UListe.png")));
    savePng(IconPainter::mark(), path(outFolder, QStringLiteral("mark/Markigrafik.png")));
    savePng(IconPainter::cursor(), path(outFolder, QStringLiteral("cursor/CURSOR_1.png")));
    savePng(ArtPainter::icon(48), path(outFolder, QStringLiteral("app/velta98.png")));
}

void MediaJobs::writeThemeIcons(const QString& outFolder) {
    for (int size : themeIconSizes())
        savePng(ArtPainter::icon(size),
                path(outFolder, QStringLiteral("hicolor/%1x%1/apps/velta98.png").arg(size)));
}
