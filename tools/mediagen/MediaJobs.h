#pragma once

#include <QString>
#include <QStringList>

// The generator's three jobs, each writing one kind of media where the build wants it.
class MediaJobs {
public:
    // Splash, default photos, advert, about and assistant pictures, lexicon and decoration
    // defaults, all skins, the text backgrounds and AUTORUN.ICO, into the data folder.
    static void writePictures(const QString& dataFolder);
    // One photo per recipe and one picture per decoration and lexicon term that names one,
    // read from the tables in the data folder. Returns false (and writes nothing) when the tables
    // are not there yet. Does nothing when the stamp file is newer than the tables and the
    // generator; pictures of records that are gone are removed.
    static bool writePhotos(const QString& dataFolder, const QString& picturesFolder,
                            const QString& stampFile);
    // The PNG files of the program's resources, below outFolder (see resourceFiles()).
    static void writeResources(const QString& outFolder);
    // Relative paths of the resources, as compiled into the program under ":/velta/".
    static QStringList resourceFiles();
    // The program icon for the desktop's icon theme: outFolder/hicolor/NxN/apps/velta98.png.
    static void writeThemeIcons(const QString& outFolder);
    static QList<int> themeIconSizes() { return {16, 22, 24, 32, 48, 64, 128, 256}; }
    // The names of the static pictures writePictures() produces (for the build's dependencies).
    static QStringList pictureFiles();
};
