#pragma once

#include <QImage>
#include <QString>

// Review sheets of the generated media, read back from a built distribution image: per theme the
// main window's frame and a dialog painted with its skins by the painting rules, and the text
// backgrounds behind sample text; and a sheet of drink photos.
class ContactSheets {
public:
    // motif 1 ... 7.
    static QImage theme(const QString& imageFolder, int motif);
    // Up to `count` photos spread over the collection, with the drinks' names.
    static QImage photos(const QString& imageFolder, int count);
    // Writes theme-1.png ... theme-7.png and photos.png into outFolder.
    static void writeAll(const QString& imageFolder, const QString& outFolder);
};
