#include "ContactSheets.h"

#include "IconPainter.h"
#include "RecipeSource.h"

#include "store/PhotoPath.h"

#include <QColor>
#include <QDir>
#include <QPainter>

#include <stdexcept>

namespace {

struct Theme {
    const char* caption;
    const char* dialogSkin;
    const char* mainSkin;
    QColor rail;
    const char* background; // "" for none
};

const Theme kThemes[] = {
    {"Oriental", "ORIENT_F", "ORIENT_D", QColor(14, 25, 123), "K1_"},
    {"Beachcomber", "BEACH_F", "BEACH_D", QColor(0, 167, 128), "K2_"},
    {"Top of the World", "TOP2_F", "TOP_D", QColor(14, 25, 123), "K3_"},
    {"Shepard", "BEACH2_F", "BEACH_D", QColor(207, 87, 0), "K2_"},
    {"Raffles", "TOP_F", "ORIENT_F", QColor(190, 110, 30), "K1_"},
    {"Lexington", "TOP2_F", "BEACH2_F", QColor(14, 25, 123), "K2_"},
    {"Route 256", "LOW_F", "LOW_D", QColor(0, 128, 128), ""},
};

// Windows 98 system colours, as the program's frames are drawn with them.
const QColor kFace(192, 192, 192);
const QColor kHighlight(255, 255, 255);
const QColor kShadow(128, 128, 128);
const QColor kFrame(0, 0, 0);

const QStringList kSampleLines = {QStringLiteral("5 cl  Weißer Rum"),
                                  QStringLiteral("3 cl  Limettensaft"),
                                  QStringLiteral("2 cl  Zuckersirup"),
                                  QString(),
                                  QStringLiteral("Alkohol: 18%"),
                                  QStringLiteral("Kategorie: Shortdrink"),
                                  QStringLiteral("Menge: 10 cl"),
                                  QString(),
                                  QStringLiteral("Alle Zutaten mit Eiswürfeln kräftig im Shaker"),
                                  QStringLiteral("schütteln und in ein vorgekühltes Cocktailglas"),
                                  QStringLiteral("abseihen.")};

QImage load(const QString& dataFolder, const QString& name) {
    QImage img(QDir(dataFolder).filePath(name));
    if (img.isNull())
        throw std::runtime_error("cannot read " + name.toStdString());
    return img;
}

struct Skin {
    QImage top, bottom, right, left;
};

Skin loadSkin(const QString& dataFolder, const QString& name) {
    return {
        load(dataFolder, name + QStringLiteral("O.BMP")), load(dataFolder, name + QStringLiteral("U.BMP")),
        load(dataFolder, name + QStringLiteral("R.BMP")), load(dataFolder, name + QStringLiteral("L.BMP"))};
}

void tile(QPainter& p, const QRect& target, const QImage& source, const QRect& from) {
    if (target.isEmpty())
        return;
    p.drawTiledPixmap(target, QPixmap::fromImage(source.copy(from)));
}

// A sunken 3D line pair around a rectangle: shadow outside, highlight inside.
void engrave(QPainter& p, const QRect& r) {
    p.setPen(kShadow);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.setPen(kHighlight);
    p.drawRect(r.adjusted(1, 1, 1, 1));
}

void groove(QPainter& p, int x, int y0, int y1) {
    p.setPen(kShadow);
    p.drawLine(x, y0, x, y1);
    p.setPen(kHighlight);
    p.drawLine(x + 1, y0, x + 1, y1);
}

void raised(QPainter& p, const QRect& r) {
    p.setPen(kHighlight);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(kShadow);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(kFrame);
    p.drawLine(r.bottomLeft() + QPoint(0, 1), r.bottomRight() + QPoint(1, 1));
    p.drawLine(r.topRight() + QPoint(1, 0), r.bottomRight() + QPoint(1, 1));
}

void sampleText(QPainter& p, const QRect& area, const QImage& background, bool dark) {
    if (background.isNull()) {
        p.fillRect(area, kFace);
    } else {
        p.save();
        p.setClipRect(area);
        p.drawTiledPixmap(area, QPixmap::fromImage(background));
        p.restore();
    }
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(13);
    p.setFont(f);
    p.setPen(background.isNull() ? QColor(0, 0, 0) : dark ? QColor(255, 255, 255) : QColor(0, 0, 0));
    int y = area.top() + 20;
    for (const QString& line : kSampleLines) {
        if (y + 15 > area.bottom() - 10)
            break;
        p.drawText(area.left() + 20, y + 11, line);
        y += 16;
    }
}

// The dialog frame by the skinned window's painting rules (with a help button).
QImage dialog(const Skin& s, const QColor& rail, const QString& caption) {
    const int cw = 340;
    const int ch = 230;
    QImage img(cw, ch, QImage::Format_RGB32);
    img.fill(kFace);
    QPainter p(&img);
    const int railsBottom = 65;
    p.setPen(kHighlight);
    p.drawLine(8, 25, 8, ch - 9);
    p.drawLine(8, 25, cw - 32, 25);
    p.setPen(kShadow);
    p.drawLine(8, ch - 9, cw - 9, ch - 9);
    p.drawLine(cw - 9, 25, cw - 9, ch - 9);
    p.setPen(kFrame);
    p.drawLine(8, ch - 8, cw - 8, ch - 8);
    p.drawLine(cw - 8, 25, cw - 8, ch - 8);
    raised(p, QRect(QPoint(cw - 32, 31), QPoint(cw - 17, 45)));
    raised(p, QRect(QPoint(cw - 32, 47), QPoint(cw - 17, 61)));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0), 2));
    p.drawLine(QPointF(cw - 28, 35), QPointF(cw - 21, 42));
    p.drawLine(QPointF(cw - 29, 41), QPointF(cw - 22, 34));
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x : {cw - 31, cw - 25, cw - 19}) {
        for (const auto& [y0, y1] : {std::pair{railsBottom, ch - 7}, std::pair{24, 29}}) {
            p.setPen(kHighlight);
            p.drawLine(x - 1, y0, x - 1, y1);
            p.setPen(rail);
            p.drawLine(x, y0, x, y1);
            p.setPen(kShadow);
            p.drawLine(x + 1, y0, x + 1, y1);
        }
    }
    const QImage& o = s.top;
    p.drawImage(0, 0, o, 0, 0, 3, 24);
    p.drawImage(cw - 3, 0, o, o.width() - 3, 0, 3, 24);
    tile(p, QRect(3, 0, cw - 6, 24), o, QRect(5, 0, o.width() - 10, 24));
    const QImage& l = s.left;
    tile(p, QRect(0, 11, 7, ch - 3 - 11), l, QRect(0, 0, 7, l.height() - 3));
    p.drawImage(0, ch - 3, l, 0, l.height() - 3, 7, 3);
    const QImage& r = s.right;
    tile(p, QRect(cw - 7, 24, 7, ch - 24), r, QRect(r.width() - 7, 0, 7, r.height() - 7));
    const QImage& u = s.bottom;
    tile(p, QRect(7, ch - 7, cw - 7, 7), u, QRect(0, u.height() - 7, u.width(), 7));
    p.drawImage(cw - 15, ch - 7, r, r.width() - 15, r.height() - 7, 15, 7);
    QFont help(QStringLiteral("MS Sans Serif"));
    help.setPixelSize(11);
    help.setBold(true);
    p.setFont(help);
    p.setPen(QColor(0, 0, 0));
    p.drawText(cw - 29, 48 + 11, QStringLiteral("?"));
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(15);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0));
    p.drawText(11, 6 + 13, caption);
    p.setPen(QColor(255, 255, 255));
    p.drawText(10, 5 + 13, caption);
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPixelSize(12);
    p.setFont(body);
    p.setPen(QColor(0, 0, 0));
    p.drawText(
        QRect(24, 44, cw - 80, 80), Qt::TextWordWrap,
        QStringLiteral("Der Cocktailassistent wird Ihnen auf den folgenden Seiten einige Fragen stellen."));
    raised(p, QRect(cw - 150, ch - 44, 100, 24));
    p.drawText(QRect(cw - 150, ch - 44, 100, 24), Qt::AlignCenter, QStringLiteral("Weiter >>>"));
    return img;
}

// The main window's client area by the recipe view's frame rules.
QImage mainFrame(const Skin& s, const QImage& photo, const QImage& background, const QString& name) {
    const int w = 700;
    const int h = 470;
    QImage img(w, h + 52, QImage::Format_RGB32);
    img.fill(kFace);
    QPainter p(&img);
    // The main window's own background is black; the toolbar strip has the face colour.
    p.fillRect(QRect(0, 52, w, h), QColor(0, 0, 0));
    // Toolbar strip with the Hi-Color pictures.
    p.setPen(kHighlight);
    p.drawLine(0, 1, w, 1);
    p.setPen(kShadow);
    p.drawLine(0, 0, w, 0);
    p.drawLine(0, 50, w, 50);
    p.setPen(kFrame);
    p.drawLine(0, 51, w, 51);
    for (int k = 1; k <= 10; ++k)
        p.drawImage(5 + (k - 1) * 65, 4, IconPainter::toolbar(k, true));
    p.translate(0, 52);
    const QImage& o = s.top;
    tile(p, QRect(0, 0, 11, h), s.left, QRect(0, 0, 11, s.left.height()));
    tile(p, QRect(0, h - 11, w, 11), s.bottom, QRect(0, s.bottom.height() - 11, s.bottom.width(), 11));
    tile(p, QRect(w - 12, 0, 12, h), s.right, QRect(s.right.width() - 12, 0, 12, s.right.height()));
    tile(p, QRect(0, 0, 210, 11), o, QRect(0, 0, o.width(), 11));
    tile(p, QRect(210, 0, w - 12 - 210, 44), o, QRect(0, 0, o.width(), 44));
    for (int x : {211, 219, 227})
        tile(p, QRect(x, 44, 8, h - 11 - 44), s.left, QRect(0, 0, 8, s.left.height()));
    engrave(p, QRect(QPoint(11, 11), QPoint(210, h - 11)));
    engrave(p, QRect(QPoint(39, 43), QPoint(183, 246)));
    for (int x : {214, 222, 230})
        groove(p, x, 45, h - 12);
    engrave(p, QRect(QPoint(255, 70), QPoint(w - 36, h - 37)));
    p.fillRect(QRect(QPoint(w - 35, 17), QPoint(w - 14, 38)), kFace);
    engrave(p, QRect(QPoint(w - 37, 15), QPoint(w - 12, 39)));
    p.drawImage(w - 34, 18, IconPainter::mark());
    // Recipe text, photo, quick search and list.
    sampleText(p, QRect(257, 72, w - 257 - 39, h - 72 - 39), background, true);
    p.drawImage(41, 45, photo);
    p.fillRect(QRect(36, 253, 150, 21), QColor(255, 255, 255));
    engrave(p, QRect(36, 253, 150, 21));
    const QRect list(36, 283, 150, h - 253 - 52 - 20);
    p.fillRect(list, QColor(255, 255, 255));
    engrave(p, list);
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(QColor(0, 0, 0));
    p.drawText(40, 268, name);
    const QStringList names = {QStringLiteral("Daiquiri"), QStringLiteral("Dark and Stormy"),
                               QStringLiteral("Derby"), QStringLiteral("Dirty Martini"),
                               QStringLiteral("Dry Martini")};
    for (int i = 0; i < names.size() && 283 + 14 * (i + 1) < list.bottom(); ++i) {
        if (i == 0)
            p.fillRect(QRect(38, 285, 146, 13), QColor(0, 0, 128));
        p.setPen(i == 0 ? QColor(255, 255, 255) : QColor(0, 0, 0));
        p.drawText(40, 295 + 14 * i, names.at(i));
    }
    // Title bar on the skin's band.
    const int titleWidth = std::min(w - 300, 520);
    const int left = (w - titleWidth - 295) / 2 + 255;
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(26);
    title.setBold(true);
    p.setFont(title);
    const int textWidth = p.fontMetrics().horizontalAdvance(name);
    const int x = std::max(14, (titleWidth - textWidth) / 2);
    for (const auto& [from, to] :
         {std::pair{210, left + x - 8}, std::pair{left + titleWidth - x + 7, w - 12}}) {
        p.setPen(kShadow);
        p.drawLine(from, 24, to, 24);
        p.setPen(kHighlight);
        p.drawLine(from, 25, to, 25);
    }
    p.setPen(QColor(0, 0, 0));
    p.drawText(left + x + 2, 4 + 28, name);
    p.setPen(QColor(255, 255, 255));
    p.drawText(left + x, 2 + 28, name);
    return img;
}

} // namespace

QImage ContactSheets::theme(const QString& imageFolder, int motif) {
    const Theme& t = kThemes[motif - 1];
    const QString data = QDir(imageFolder).filePath(QStringLiteral("DATEN"));
    const Skin dialogSkin = loadSkin(data, QString::fromLatin1(t.dialogSkin));
    const Skin mainSkin = loadSkin(data, QString::fromLatin1(t.mainSkin));
    const QString bg = QString::fromLatin1(t.background);
    const QImage dark = bg.isEmpty() ? QImage() : load(data, bg + QStringLiteral("D.BMP"));
    const QImage light = bg.isEmpty() ? QImage() : load(data, bg + QStringLiteral("H.BMP"));
    QImage photo = load(data, QStringLiteral("DEFAULT.BMP"));
    const QString sample =
        PhotoPath::resolve(QDir(imageFolder).filePath(QStringLiteral("BILDER")), QStringLiteral("00/1.BMP"));
    if (!sample.isEmpty())
        photo = QImage(sample);

    QImage sheet(1100, 620, QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 44));
    QPainter p(&sheet);
    QFont head(QStringLiteral("Liberation Sans"));
    head.setPixelSize(18);
    head.setBold(true);
    p.setFont(head);
    p.setPen(QColor(240, 240, 240));
    p.drawText(20, 30,
               QStringLiteral("Motiv %1: %2   (Dialog %3, Hauptfenster %4)")
                   .arg(motif)
                   .arg(QString::fromLatin1(t.caption), QString::fromLatin1(t.dialogSkin),
                        QString::fromLatin1(t.mainSkin)));
    p.drawImage(20, 50, mainFrame(mainSkin, photo, dark, QStringLiteral("Daiquiri")));
    p.drawImage(740, 50, dialog(dialogSkin, t.rail, QStringLiteral("Cocktailassistent")));
    sampleText(p, QRect(740, 300, 340, 150), dark, true);
    sampleText(p, QRect(740, 460, 340, 150), light, false);
    return sheet;
}

QImage ContactSheets::photos(const QString& imageFolder, int count) {
    const QString data = QDir(imageFolder).filePath(QStringLiteral("DATEN"));
    const QString pictures = QDir(imageFolder).filePath(QStringLiteral("BILDER"));
    const QList<RecipeInfo> recipes = RecipeSource::recipes(data);
    const int columns = 10;
    const int rows = (count + columns - 1) / columns;
    QImage sheet(columns * 150 + 10, rows * 230 + 10, QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 44));
    QPainter p(&sheet);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(QColor(230, 230, 230));
    for (int i = 0; i < count && !recipes.isEmpty(); ++i) {
        const RecipeInfo& r = recipes.at(qsizetype(i) * recipes.size() / count);
        const QString file = PhotoPath::resolve(pictures, PhotoPath::collectionPath(r.bild));
        const int x = 10 + (i % columns) * 150;
        const int y = 10 + (i / columns) * 230;
        p.drawImage(x, y, QImage(file));
        p.drawText(QRect(x, y + 202, 140, 16), Qt::AlignHCenter, r.name);
    }
    return sheet;
}

void ContactSheets::writeAll(const QString& imageFolder, const QString& outFolder) {
    QDir().mkpath(outFolder);
    for (int motif = 1; motif <= 7; ++motif) {
        if (!theme(imageFolder, motif)
                 .save(QDir(outFolder).filePath(QStringLiteral("theme-%1.png").arg(motif))))
            throw std::runtime_error("cannot write contact sheet");
    }
    if (!photos(imageFolder, 40).save(QDir(outFolder).filePath(QStringLiteral("photos.png"))))
        throw std::runtime_error("cannot write contact sheet");
}
