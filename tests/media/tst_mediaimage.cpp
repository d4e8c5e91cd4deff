// Checks the media of the built distribution image against what the program needs of them:
// every file present, in the format the loaders read, sized for the painting rules.
#include "VeltaGuiTest.h"
#include "store/PhotoPath.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QtEndian>

#include <cmath>
#include <memory>

namespace {

const QString kData = QStringLiteral(VELTA_IMAGE_DIR "/DATEN");
const QString kPictures = QStringLiteral(VELTA_IMAGE_DIR "/BILDER");

// The themes: motif, dialog skin, main-window skin, background prefix ("" = none).
struct Theme {
    int motif;
    const char* dialog;
    const char* main;
    const char* background;
};
const Theme kThemes[] = {{1, "ORIENT_F", "ORIENT_D", "K1_"}, {2, "BEACH_F", "BEACH_D", "K2_"},
                         {3, "TOP2_F", "TOP_D", "K3_"},      {4, "BEACH2_F", "BEACH_D", "K2_"},
                         {5, "TOP_F", "ORIENT_F", "K1_"},    {6, "TOP2_F", "BEACH2_F", "K2_"},
                         {7, "LOW_F", "LOW_D", ""}};

const QList<QRgb> kVga = {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                          qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                          qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                          qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 u32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 be32(const QByteArray& b, qsizetype at) {
    return qFromBigEndian<quint32>(b.constData() + at);
}

struct Bmp {
    int width = 0;
    int height = 0;
    int bits = 0;
    QString error;
};

// The header of an uncompressed Windows BMP, checked against its own size and palette.
Bmp readBmp(const QString& path) {
    Bmp out;
    const QByteArray b = readAll(path);
    if (b.size() < 54 || !b.startsWith("BM")) {
        out.error = QStringLiteral("no BMP: ") + path;
        return out;
    }
    out.width = int(u32(b, 18));
    out.height = int(u32(b, 22));
    out.bits = u16(b, 28);
    const quint32 offset = u32(b, 10);
    const qint64 stride = ((qint64(out.width) * out.bits + 31) / 32) * 4;
    if (u32(b, 14) != 40 || u16(b, 26) != 1 || u32(b, 30) != 0)
        out.error = QStringLiteral("not a plain BITMAPINFOHEADER/BI_RGB picture");
    else if (qint64(offset) + stride * out.height != b.size())
        out.error = QStringLiteral("pixel data does not match the header");
    else if (out.bits == 4) {
        for (int i = 0; i < 16; ++i) {
            const qsizetype at = 54 + 4 * i;
            const QRgb c = qRgb(uchar(b[at + 2]), uchar(b[at + 1]), uchar(b[at]));
            if (c != kVga.at(i))
                out.error = QStringLiteral("palette entry %1 is not the VGA colour").arg(i);
        }
    }
    return out;
}

double luminance(QRgb c) {
    const auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

// Mean colour of a region, as a vector for distances.
QList<double> meanColour(const QImage& img, const QRect& r) {
    double sum[3] = {0, 0, 0};
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            sum[0] += qRed(c);
            sum[1] += qGreen(c);
            sum[2] += qBlue(c);
        }
    }
    const double n = double(r.width()) * r.height();
    return {sum[0] / n, sum[1] / n, sum[2] / n};
}

double distance(const QList<double>& a, const QList<double>& b) {
    double d = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        d += (a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(d);
}

double columnDifference(const QImage& img, int a, int b) {
    double sum = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb p = img.pixel(a, y);
        const QRgb q = img.pixel(b, y);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return sum / img.height();
}

std::unique_ptr<TTable> openTable(TApolloEnv& env, const QString& name) {
    auto t = std::make_unique<TTable>(env);
    t->setDatabaseName(kData);
    t->setTableName(name);
    t->setReadOnly(true);
    t->Open();
    return t;
}

} // namespace

class TestMediaImage : public QObject {
    Q_OBJECT

private slots:
    void bitmaps_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QSize>("size"); // an invalid size: any size
        QTest::newRow("splash") << "INTROHI.BMP" << 24 << QSize();
        QTest::newRow("splash low colour") << "INTROLO.BMP" << 4 << QSize();
        QTest::newRow("default photo") << "DEFAULT.BMP" << 24 << QSize(140, 200);
        QTest::newRow("default photo low colour") << "DEF16.BMP" << 4 << QSize(140, 200);
        QTest::newRow("advert") << "WERBUNG.BMP" << 24 << QSize();
        QTest::newRow("decoration default") << "DD.BMP" << 24 << QSize();
        QTest::newRow("lexicon default") << "BD.BMP" << 24 << QSize();
        QTest::newRow("about box") << "info.bmp" << 24 << QSize();
        for (const char* name : {"c1", "c2", "c3", "c4", "c5", "b1", "b2", "b3", "b4", "b5", "e1"})
            QTest::newRow(name) << QString::fromLatin1(name) + QStringLiteral(".bmp") << 24 << QSize();
        for (const char* bg : {"K1_", "K2_", "K3_"}) {
            for (const char* variant : {"D", "H"}) {
                const QString file =
                    QString::fromLatin1(bg) + QString::fromLatin1(variant) + QStringLiteral(".BMP");
                QTest::newRow(qPrintable(file)) << file << 24 << QSize();
            }
        }
    }
    void bitmaps() {
        QFETCH(QString, file);
        QFETCH(int, bits);
        QFETCH(QSize, size);
        const QString path = QDir(kData).filePath(file);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        const Bmp bmp = readBmp(path);
        QVERIFY2(bmp.error.isEmpty(), qPrintable(bmp.error));
        QCOMPARE(bmp.bits, bits);
        if (size.isValid())
            QCOMPARE(QSize(bmp.width, bmp.height), size);
        QVERIFY(bmp.width >= 16 && bmp.height >= 16);
        QCOMPARE(QImage(path).size(), QSize(bmp.width, bmp.height));
    }

    // Sizes the frame painting relies on: a 44-pixel band (24 for dialogs) with 3-pixel caps and
    // a tiled middle, edges of 11 (left), 15 (right, for the 15 x 7 corner) and 11 (bottom).
    void skins_data() {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<bool>("lowColour");
        QSet<QString> seen;
        for (const Theme& t : kThemes) {
            for (const char* s : {t.dialog, t.main}) {
                const QString name = QString::fromLatin1(s);
                if (!seen.contains(name))
                    QTest::newRow(s) << name << (t.motif == 7);
                seen.insert(name);
            }
        }
    }
    void skins() {
        QFETCH(QString, skin);
        QFETCH(bool, lowColour);
        for (const char part : {'O', 'U', 'R', 'L'}) {
            const QString path = QDir(kData).filePath(skin + QLatin1Char(part) + QStringLiteral(".BMP"));
            const Bmp bmp = readBmp(path);
            QVERIFY2(bmp.error.isEmpty(), qPrintable(path + QStringLiteral(": ") + bmp.error));
            QCOMPARE(bmp.bits, lowColour ? 4 : 24);
            switch (part) {
            case 'O':
                QVERIFY2(bmp.height >= 44 && bmp.width >= 16, qPrintable(path));
                break;
            case 'U':
                QVERIFY2(bmp.height >= 11 && bmp.width >= 8, qPrintable(path));
                break;
            case 'R':
                QVERIFY2(bmp.width >= 15 && bmp.height >= 8, qPrintable(path));
                break;
            default:
                QVERIFY2(bmp.width >= 11 && bmp.height >= 4, qPrintable(path));
                break;
            }
        }
    }

    // Two themes may share a skin, but no two may look alike: their dialog and main bands differ.
    void themesAreDistinct() {
        QList<QList<double>> looks;
        for (const Theme& t : kThemes) {
            const QImage dialog(
                QDir(kData).filePath(QString::fromLatin1(t.dialog) + QStringLiteral("O.BMP")));
            const QImage main(QDir(kData).filePath(QString::fromLatin1(t.main) + QStringLiteral("O.BMP")));
            QVERIFY(!dialog.isNull() && !main.isNull());
            looks.append(meanColour(dialog, QRect(0, 0, 400, 24)) + meanColour(main, QRect(0, 0, 400, 44)));
        }
        for (qsizetype a = 0; a < looks.size(); ++a) {
            for (qsizetype b = a + 1; b < looks.size(); ++b)
                QVERIFY2(distance(looks[a], looks[b]) > 40,
                         qPrintable(QStringLiteral("motifs %1 and %2 look alike").arg(a + 1).arg(b + 1)));
        }
    }

    // White text on the dark tiles and black text on the light ones keep at least 7:1 contrast
    // everywhere, and every tile repeats without a visible seam.
    void backgrounds_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("dark");
        for (const char* bg : {"K1_", "K2_", "K3_"}) {
            QTest::newRow(qPrintable(QString::fromLatin1(bg) + QStringLiteral("D")))
                << QString::fromLatin1(bg) + QStringLiteral("D.BMP") << true;
            QTest::newRow(qPrintable(QString::fromLatin1(bg) + QStringLiteral("H")))
                << QString::fromLatin1(bg) + QStringLiteral("H.BMP") << false;
        }
    }
    void backgrounds() {
        QFETCH(QString, file);
        QFETCH(bool, dark);
        const QImage img(QDir(kData).filePath(file));
        QVERIFY(!img.isNull());
        double worst = 100;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const double l = luminance(img.pixel(x, y));
                worst = std::min(worst, dark ? 1.05 / (l + 0.05) : (l + 0.05) / 0.05);
            }
        }
        QVERIFY2(worst >= 7.0, qPrintable(QStringLiteral("contrast only %1:1").arg(worst)));
        const QImage turned = img.transformed(QTransform().rotate(90));
        for (const QImage& t : {img, turned}) {
            double inner = 0;
            for (int x = 1; x < t.width(); ++x)
                inner += columnDifference(t, x - 1, x);
            inner /= t.width() - 1;
            QVERIFY2(columnDifference(t, t.width() - 1, 0) <= 2.5 * inner + 3, "seam where the tile repeats");
        }
    }

    void sounds_data() {
        QTest::addColumn<int>("number");
        for (int n : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                      17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void sounds() {
        QFETCH(int, number);
        const QByteArray b = readAll(QDir(kData).filePath(QString::number(number) + QStringLiteral(".WAV")));
        QVERIFY2(b.size() > 44 && b.startsWith("RIFF") && b.mid(8, 4) == "WAVE", "not a WAV file");
        QCOMPARE(qint64(u32(b, 4)) + 8, b.size());
        qsizetype at = 12;
        bool format = false;
        qint64 dataBytes = -1;
        while (at + 8 <= b.size()) {
            const QByteArray id = b.mid(at, 4);
            const quint32 size = u32(b, at + 4);
            QVERIFY(at + 8 + qint64(size) <= b.size());
            if (id == "fmt ") {
                QCOMPARE(u16(b, at + 8), quint16(1));  // PCM
                QCOMPARE(u16(b, at + 10), quint16(1)); // mono
                QCOMPARE(u32(b, at + 12), 22050u);
                QCOMPARE(u32(b, at + 16), 44100u);
                QCOMPARE(u16(b, at + 20), quint16(2));
                QCOMPARE(u16(b, at + 22), quint16(16));
                format = true;
            } else if (id == "data") {
                QVERIFY2(format, "data before its format");
                dataBytes = size;
            }
            at += 8 + size + (size & 1);
        }
        QVERIFY(dataBytes > 0);
        const double seconds = dataBytes / 44100.0;
        QVERIFY2(seconds >= 0.2 && seconds <= 15, qPrintable(QString::number(seconds)));
    }

    // A format 1 file whose tracks all end together, every note ended, one to two minutes long.
    void music() {
        const QByteArray b = readAll(QDir(kData).filePath(QStringLiteral("VELTA.MID")));
        QVERIFY(b.startsWith("MThd"));
        QCOMPARE(be32(b, 4), 6u);
        QCOMPARE(qFromBigEndian<quint16>(b.constData() + 8), quint16(1));
        const int tracks = qFromBigEndian<quint16>(b.constData() + 10);
        const int division = qFromBigEndian<quint16>(b.constData() + 12);
        QVERIFY(tracks >= 2 && division > 0 && division < 0x8000);
        qsizetype at = 14;
        QList<qint64> ends;
        QList<QPair<qint64, int>> tempos;
        int notes = 0;
        for (int t = 0; t < tracks; ++t) {
            QVERIFY(b.mid(at, 4) == "MTrk");
            const qsizetype end = at + 8 + be32(b, at + 4);
            QVERIFY(end <= b.size());
            at += 8;
            qint64 tick = 0;
            uchar status = 0;
            QHash<int, int> open;
            bool finished = false;
            while (at < end) {
                quint32 delta = 0;
                uchar c = 0;
                do {
                    c = uchar(b[at++]);
                    delta = (delta << 7) | (c & 0x7f);
                } while (c & 0x80);
                tick += delta;
                if (uchar(b[at]) & 0x80)
                    status = uchar(b[at++]);
                if (status == 0xff) {
                    const uchar type = uchar(b[at++]);
                    const uchar len = uchar(b[at++]);
                    if (type == 0x51)
                        tempos.append(
                            {tick, (uchar(b[at]) << 16) | (uchar(b[at + 1]) << 8) | uchar(b[at + 2])});
                    if (type == 0x2f)
                        finished = true;
                    at += len;
                    continue;
                }
                const int kind = status & 0xf0;
                const int key = (status & 0x0f) * 128 + uchar(b[at]);
                if (kind == 0x90 && uchar(b[at + 1]) > 0) {
                    ++open[key];
                    ++notes;
                } else if (kind == 0x80 || kind == 0x90) {
                    QVERIFY2(open.value(key) > 0, "note ended that never started");
                    --open[key];
                }
                at += (kind == 0xc0 || kind == 0xd0) ? 1 : 2;
            }
            QVERIFY2(finished && at == end, "track without its end");
            for (int count : open)
                QCOMPARE(count, 0);
            ends.append(tick);
        }
        QVERIFY(notes > 500);
        for (qint64 e : ends)
            QCOMPARE(e, ends.first());
        QVERIFY(!tempos.isEmpty() && tempos.first().first == 0);
        const double seconds = double(ends.first()) / division * tempos.first().second / 1e6;
        QVERIFY2(seconds >= 60 && seconds <= 120, qPrintable(QString::number(seconds)));
    }

    void icon() {
        const QByteArray b = readAll(QDir(kData).filePath(QStringLiteral("AUTORUN.ICO")));
        QVERIFY(b.size() > 6);
        QCOMPARE(u16(b, 0), quint16(0));
        QCOMPARE(u16(b, 2), quint16(1));
        const int count = u16(b, 4);
        QVERIFY(count >= 1);
        for (int i = 0; i < count; ++i) {
            const qsizetype entry = 6 + 16 * i;
            const int width = uchar(b[entry]) == 0 ? 256 : uchar(b[entry]);
            const quint32 size = u32(b, entry + 8);
            const quint32 offset = u32(b, entry + 12);
            QVERIFY(qint64(offset) + size <= b.size());
            QCOMPARE(u32(b, offset), 40u);
            QCOMPARE(int(u32(b, offset + 4)), width);
            QCOMPARE(int(u32(b, offset + 8)), 2 * width);
        }
    }

    // One photo per recipe at the place the photo naming gives, and one picture per decoration
    // and lexicon term. Skipped while the data builder has not written the tables.
    void photos() {
        if (!QFile::exists(QDir(kData).filePath(QStringLiteral("RE.DBF"))))
            QSKIP("Die Rezepttabelle RE.DBF fehlt im Abbild; ohne sie gibt es keine Fotos.");
        TApolloEnv env;
        env.SetDeleted(true);
        auto re = openTable(env, QStringLiteral("RE"));
        TApollo recipes(*re);
        QSet<QByteArray> distinct;
        int count = 0;
        for (recipes.GoTop(); !recipes.Eof(); recipes.Skip()) {
            const QString relative = PhotoPath::collectionPath(recipes.GetTrimString(QStringLiteral("BILD")));
            if (relative.isEmpty())
                continue;
            const QString file = PhotoPath::resolve(kPictures, relative);
            QVERIFY2(!file.isEmpty(), qPrintable(relative));
            const Bmp bmp = readBmp(file);
            QVERIFY2(bmp.error.isEmpty(), qPrintable(file));
            QCOMPARE(bmp.bits, 24);
            QCOMPARE(QSize(bmp.width, bmp.height), QSize(140, 200));
            distinct.insert(QCryptographicHash::hash(readAll(file), QCryptographicHash::Sha1));
            ++count;
        }
        QVERIFY(count > 0);
        QVERIFY2(distinct.size() == count, "two recipes share the same photo");
        for (const QString& table : {QStringLiteral("DE"), QStringLiteral("BA")}) {
            auto t = openTable(env, table);
            TApollo pictures(*t);
            for (pictures.GoTop(); !pictures.Eof(); pictures.Skip()) {
                const QString bild = pictures.GetTrimString(QStringLiteral("BILD"));
                if (bild.isEmpty())
                    continue;
                const QString file =
                    PhotoPath::resolve(kPictures, QStringLiteral("EXTRAS/") + bild + QStringLiteral(".BMP"));
                QVERIFY2(!file.isEmpty(), qPrintable(table + QStringLiteral(": ") + bild));
                QVERIFY2(readBmp(file).error.isEmpty() && readBmp(file).bits == 24, qPrintable(file));
            }
        }
    }

    void toolbarPictures_data() {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("button");
        for (int k = 1; k <= 10; ++k) {
            QTest::newRow(qPrintable(QStringLiteral("hi %1").arg(k))) << "hi" << k;
            QTest::newRow(qPrintable(QStringLiteral("lo %1").arg(k))) << "lo" << k;
        }
    }
    void toolbarPictures() {
        QFETCH(QString, set);
        QFETCH(int, button);
        const QImage img(
            QStringLiteral(":/velta/toolbar/%1/%2.png").arg(set).arg(button, 2, 10, QLatin1Char('0')));
        QCOMPARE(img.size(), QSize(48, 44));
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (qAlpha(c) == 0)
                    continue;
                ++opaque;
                if (set == QStringLiteral("lo")) {
                    QCOMPARE(qAlpha(c), 255);
                    QVERIFY2(kVga.contains(c | 0xff000000u),
                             "Lo-Color picture uses a colour outside the VGA palette");
                }
            }
        }
        QVERIFY2(opaque > 200, "picture nearly empty");
    }

    void smallPictures_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("maxSize");
        QTest::newRow("next recipe") << ":/velta/buttons/OListe.png" << QSize(15, 16);
        QTest::newRow("previous recipe") << ":/velta/buttons/UListe.png" << QSize(15, 16);
        QTest::newRow("mark") << ":/velta/mark/Markigrafik.png" << QSize(18, 18);
        QTest::newRow("cursor") << ":/velta/cursor/CURSOR_1.png" << QSize(32, 32);
        QTest::newRow("program icon") << ":/velta/app/velta98.png" << QSize(256, 256);
    }
    void smallPictures() {
        QFETCH(QString, resource);
        QFETCH(QSize, maxSize);
        const QImage img(resource);
        QVERIFY2(!img.isNull(), qPrintable(resource));
        QVERIFY(img.width() <= maxSize.width() && img.height() <= maxSize.height());
        QVERIFY(img.hasAlphaChannel());
    }

    // The cursor's hot spot is stored with it and lies on the hand's fingertip.
    void cursorHotSpot() {
        const QImage img(QStringLiteral(":/velta/cursor/CURSOR_1.png"));
        bool okX = false;
        bool okY = false;
        const int x = img.text(QStringLiteral("HotspotX")).toInt(&okX);
        const int y = img.text(QStringLiteral("HotspotY")).toInt(&okY);
        QVERIFY(okX && okY);
        QVERIFY(img.rect().contains(x, y));
        int opaqueNear = 0;
        for (int dy = -1; dy <= 2; ++dy) {
            for (int dx = -1; dx <= 1; ++dx)
                opaqueNear += img.rect().contains(x + dx, y + dy) && qAlpha(img.pixel(x + dx, y + dy)) > 128;
        }
        QVERIFY2(opaqueNear >= 3, "hot spot not on the drawn hand");
    }
};

VELTA_TEST_MAIN_GUI(TestMediaImage)
#include "tst_mediaimage.moc"
