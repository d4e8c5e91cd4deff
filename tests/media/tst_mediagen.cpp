// The media generators' building blocks: file writers, palette, music, drink looks, garnish and
// glass shapes, skins, and the photo job over small tables made through the store.
#include "TempDataFolder.h"
#include "VeltaGuiTest.h"

#include "ArtPainter.h"
#include "AssistantPainter.h"
#include "BmpFiles.h"
#include "BossaTune.h"
#include "ContactSheets.h"
#include "DrinkLook.h"
#include "ExtraPainter.h"
#include "GarnishPainter.h"
#include "GlassPainter.h"
#include "GlassShape.h"
#include "IcoWriter.h"
#include "IconPainter.h"
#include "LiquidTint.h"
#include "MediaJobs.h"
#include "MidiFile.h"
#include "Noise.h"
#include "PhotoPainter.h"
#include "RecipeSource.h"
#include "SkinPainter.h"
#include "SkinStyle.h"
#include "VgaPalette.h"

#include "store/IngredientSlots.h"
#include "store/TApollo.h"
#include "store/TApolloEnv.h"
#include "store/TTable.h"
#include "store/TableSchemas.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QtEndian>

#include <memory>
#include <stdexcept>

using K = GlassShape::Kind;
using Ice = DrinkLook::Ice;
Q_DECLARE_METATYPE(K)
Q_DECLARE_METATYPE(Ice)
Q_DECLARE_METATYPE(GarnishPainter::Kind)
Q_DECLARE_METATYPE(RecipeInfo)

namespace {

RecipeInfo::Ingredient ingredient(const char* name, int unit, int amount) {
    RecipeInfo::Ingredient i;
    i.name = QString::fromUtf8(name);
    i.unit = unit;
    i.amount = amount;
    return i;
}

RecipeInfo recipe(int category, const char* instructions, QList<RecipeInfo::Ingredient> ingredients) {
    RecipeInfo r;
    r.name = QStringLiteral("Probe");
    r.category = category;
    r.instructions = QString::fromUtf8(instructions);
    r.ingredients = std::move(ingredients);
    return r;
}

// Small tables in a data folder, written through the store as the data builder does.
class Fixture {
public:
    explicit Fixture(const QString& folder) : m_folder(folder) { TableSchemas::createMainTables(folder); }

    void ingredient(int index, const char* name, int alcohol, int unit) {
        edit(QStringLiteral("ZU"), [&](TApollo& t) {
            t.ReplaceInteger(QStringLiteral("INDEX"), index);
            t.ReplaceText(QStringLiteral("NAME"), QString::fromUtf8(name));
            t.ReplaceInteger(QStringLiteral("ALKOHOL"), alcohol);
            t.ReplaceInteger(QStringLiteral("KENNUNG"), unit);
        });
    }
    void picture(const QString& table, const char* name, const char* bild) {
        edit(table, [&](TApollo& t) {
            t.ReplaceText(QStringLiteral("NAME"), QString::fromUtf8(name));
            t.ReplaceText(QStringLiteral("BILD"), QString::fromUtf8(bild));
        });
    }
    void recipe(const char* name, const char* bild, int deko, const QList<IngredientSlots::Line>& lines) {
        edit(QStringLiteral("RE"), [&](TApollo& t) {
            t.ReplaceText(QStringLiteral("NAME"), QString::fromUtf8(name));
            t.ReplaceText(QStringLiteral("BILD"), QString::fromUtf8(bild));
            t.ReplaceText(QStringLiteral("Z"), IngredientSlots::encodeNumbers(lines));
            t.ReplaceText(QStringLiteral("ZMENGE"), IngredientSlots::encodeAmounts(lines));
            t.ReplaceInteger(QStringLiteral("KAT"), 3);
            t.ReplaceInteger(QStringLiteral("DEKO"), deko);
            t.ReplaceMemo(QStringLiteral("ANLEITUNG"),
                          QStringLiteral("Im Highballglas auf Eiswürfeln bauen."));
        });
    }

private:
    template <typename F> void edit(const QString& table, F fill) {
        TApolloEnv env;
        TTable t(env);
        t.setDatabaseName(m_folder);
        t.setTableName(table);
        t.Open();
        TApollo a(t);
        a.AppendBlank();
        fill(a);
        a.Commit();
        t.Close();
    }
    QString m_folder;
};

// The names of a block file's records ("Name: ..." lines) in the shipped data.
QStringList dataNames(const QString& relative) {
    QStringList out;
    QFile f(QStringLiteral(VELTA_SOURCE_DIR "/data/") + relative);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith(QStringLiteral("Name:")))
            out.append(line.mid(5).trimmed());
    }
    return out;
}

// Centre of the opaque pixels of a picture with transparency.
QPointF centroid(const QImage& img) {
    double x = 0;
    double y = 0;
    int n = 0;
    for (int row = 0; row < img.height(); ++row) {
        for (int col = 0; col < img.width(); ++col) {
            if (qAlpha(img.pixel(col, row)) > 128) {
                x += col;
                y += row;
                ++n;
            }
        }
    }
    return n > 0 ? QPointF(x / n, y / n) : QPointF(-1, -1);
}

void touch(const QString& file, const QDateTime& when) {
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

class TestMediaGen : public QObject {
    Q_OBJECT

private slots:
    void vgaNearest_data() {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("index");
        for (int i = 0; i < 16; ++i)
            QTest::newRow(qPrintable(QStringLiteral("palette %1").arg(i)))
                << VgaPalette::colours().at(i) << i;
        QTest::newRow("dark red") << qRgb(150, 10, 10) << int(VgaPalette::Maroon);
        QTest::newRow("light grey") << qRgb(200, 200, 205) << int(VgaPalette::Silver);
        QTest::newRow("strong orange") << qRgb(255, 110, 0) << int(VgaPalette::Red);
    }
    void vgaNearest() {
        QFETCH(QRgb, colour);
        QFETCH(int, index);
        QCOMPARE(VgaPalette::nearest(colour), index);
    }

    // Dithering keeps a flat colour's average; without it every pixel takes the nearest colour.
    void vgaDitherKeepsAverage() {
        QImage flat(16, 16, QImage::Format_RGB32);
        flat.fill(qRgb(160, 160, 160));
        const QImage plain = VgaPalette::reduce(flat, false);
        const QImage dithered = VgaPalette::reduce(flat, true);
        QSet<int> used;
        double sum = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                QCOMPARE(plain.pixelIndex(x, y), plain.pixelIndex(0, 0));
                used.insert(dithered.pixelIndex(x, y));
                sum += qRed(dithered.pixel(x, y));
            }
        }
        QVERIFY(used.size() >= 2);
        QVERIFY(qAbs(sum / 256 - 160) < 16);
    }

    // 4-bit files of odd widths (row padding) read back with exactly the palette colours.
    void bmp4RoundTrip_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("one") << 1;
        QTest::newRow("odd") << 7;
        QTest::newRow("one full word") << 8;
        QTest::newRow("beyond a word") << 9;
        QTest::newRow("wide") << 33;
    }
    void bmp4RoundTrip() {
        QFETCH(int, width);
        QImage img(width, 5, QImage::Format_RGB32);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < width; ++x)
                img.setPixel(x, y, VgaPalette::colours().at((x + 3 * y) % 16));
        }
        const QByteArray bytes = BmpFiles::encode4(img, false);
        const int stride = ((width * 4 + 31) / 32) * 4;
        QCOMPARE(bytes.size(), 14 + 40 + 64 + stride * 5);
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(4));
        const QImage back = QImage::fromData(bytes, "BMP");
        QCOMPARE(back.size(), img.size());
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < width; ++x)
                QCOMPARE(back.pixel(x, y) | 0xff000000u, img.pixel(x, y) | 0xff000000u);
        }
    }

    void bmp24RoundTrip() {
        QImage img(5, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 5; ++x)
                img.setPixel(x, y, qRgb(x * 50, y * 100, 255 - x * 40));
        }
        const QByteArray bytes = BmpFiles::encode24(img);
        QCOMPARE(bytes.size(), 54 + 16 * 3);
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        const QImage back = QImage::fromData(bytes, "BMP");
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), img);
    }

    void icoMasksTransparentPixels() {
        QImage img(16, 16, QImage::Format_ARGB32);
        img.fill(qRgba(200, 0, 0, 255));
        img.setPixel(0, 0, qRgba(0, 0, 0, 0));
        const QByteArray ico = IcoWriter::encode({img});
        const quint32 offset = qFromLittleEndian<quint32>(ico.constData() + 18);
        const qsizetype mask = offset + 40 + 16 * 16 * 4;
        // The mask's last row is the picture's first (bottom-up), its first bit pixel (0, 0).
        const qsizetype topRow = mask + 15 * 4;
        QCOMPARE(uchar(ico[topRow]) & 0x80, 0x80);
        QCOMPARE(uchar(ico[topRow]) & 0x40, 0);
        if (QImageReader::supportedImageFormats().contains("ico")) {
            const QImage back = QImage::fromData(ico, "ICO");
            QCOMPARE(back.size(), QSize(16, 16));
            QCOMPARE(qAlpha(back.pixel(0, 0)), 0);
            QCOMPARE(qRed(back.pixel(5, 5)), 200);
        }
    }

    void midiVariableLength_data() {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zero") << 0u << QByteArray("\x00", 1);
        QTest::newRow("largest single byte") << 127u << QByteArray("\x7f");
        QTest::newRow("two bytes") << 128u << QByteArray("\x81\x00", 2);
        QTest::newRow("largest two bytes") << 0x3fffu << QByteArray("\xff\x7f");
        QTest::newRow("three bytes") << 0x4000u << QByteArray("\x81\x80\x00", 3);
        QTest::newRow("largest") << 0x0fffffffu << QByteArray("\xff\xff\xff\x7f");
    }
    void midiVariableLength() {
        QFETCH(quint32, value);
        QFETCH(QByteArray, bytes);
        QCOMPARE(MidiFile::variableLength(value), bytes);
    }

    void midiRules() {
        MidiFile midi(480);
        const int track = midi.addTrack("t");
        midi.note(track, 0, 0, 480, 60, 100);
        midi.note(track, 0, 480, 480, 60, 90);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, midi.setEnd(900));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, midi.note(track, 0, 0, 0, 60, 100));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, MidiFile::variableLength(0x10000000u));
        midi.setEnd(1920);
        const QByteArray bytes = midi.encode();
        // At tick 480 the first note ends before the repeated key sounds again.
        const QByteArray off = QByteArray("\x83\x60\x80\x3c\x40", 5);
        const qsizetype at = bytes.indexOf(off);
        QVERIFY(at > 0);
        QCOMPARE(bytes.mid(at + 5, 4), QByteArray("\x00\x90\x3c\x5a", 4));
        QVERIFY(bytes.endsWith(QByteArray("\x87\x40\xff\x2f\x00", 5)));
    }

    void noteNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::newRow("middle C") << "C4" << 60;
        QTest::newRow("sharp") << "F#3" << 54;
        QTest::newRow("flat") << "Bb4" << 70;
        QTest::newRow("lowest piano key") << "A0" << 21;
        QTest::newRow("octave above") << "C5" << 72;
    }
    void noteNames() {
        QFETCH(QString, name);
        QFETCH(int, key);
        QCOMPARE(BossaTune::keyOf(name), key);
    }

    void melodyParsing() {
        const QList<BossaTune::Note> notes =
            BossaTune::parseMelody(QStringLiteral("r:0.5 C5:0.5 E5:1 r:2 G4:0.5"));
        QCOMPARE(notes.size(), 3);
        QCOMPARE(notes.at(0).beat, 0.5);
        QCOMPARE(notes.at(1).beat, 1.0);
        QCOMPARE(notes.at(2).beat, 4.0);
        QCOMPARE(notes.at(2).key, 67);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, BossaTune::parseMelody(QStringLiteral("C5")));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, BossaTune::parseMelody(QStringLiteral("H5:1")));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, BossaTune::parseMelody(QStringLiteral("C5:0")));
    }

    // The piece ends exactly after its last bar, so looping keeps the beat.
    void pieceLength() {
        const MidiFile midi = BossaTune::compose();
        QCOMPARE(midi.end(), qint64(BossaTune::kBars) * 4 * BossaTune::kTicksPerQuarter);
        const double seconds = BossaTune::kBars * 4 * 60.0 / BossaTune::kBeatsPerMinute;
        QVERIFY(seconds >= 60 && seconds <= 120);
        QVERIFY(midi.encode().size() > 5000);
    }

    void drinkColours_data() {
        QTest::addColumn<RecipeInfo>("drink");
        QTest::addColumn<QString>("expect");
        QTest::newRow("curaçao and lemonade are blue")
            << recipe(3, "",
                      {ingredient("Wodka", 0, 4), ingredient("Blue Curaçao", 0, 2),
                       ingredient("Zitronenlimonade", 0, 10)})
            << "blue sparkling";
        QTest::newRow("orange juice with grenadine glows red-orange")
            << recipe(3, "",
                      {ingredient("Tequila Silber", 0, 5), ingredient("Orangensaft", 0, 12),
                       ingredient("Grenadine", 0, 2)})
            << "warm";
        QTest::newRow("rum and cola are dark")
            << recipe(7, "",
                      {ingredient("Weißer Rum", 0, 4), ingredient("Cola", 0, 12),
                       ingredient("Limettensaft", 0, 1)})
            << "dark sparkling";
        QTest::newRow("cream makes it opaque")
            << recipe(18, "",
                      {ingredient("Wodka", 0, 4), ingredient("Kaffeelikör", 0, 2), ingredient("Sahne", 0, 3)})
            << "opaque";
        QTest::newRow("blended strawberries colour a frozen drink")
            << recipe(17, "Mit den Erdbeeren im Blender glatt mixen.",
                      {ingredient("Weißer Rum", 0, 4), ingredient("Limettensaft", 0, 2),
                       ingredient("Erdbeeren", 2, 6)})
            << "red";
        QTest::newRow("cocoa powder browns the milk")
            << recipe(
                   11, "",
                   {ingredient("Milch", 0, 15), ingredient("Kakaopulver", 1, 10), ingredient("Zucker", 1, 8)})
            << "brown opaque";
        QTest::newRow("ground coffee brewed in water is dark")
            << recipe(19, "",
                      {ingredient("Kaffeepulver", 1, 10), ingredient("Stilles Wasser", 0, 15),
                       ingredient("Eiswürfel", 3, 0)})
            << "dark";
        QTest::newRow("coffee on the lemon slice leaves the brandy amber")
            << recipe(12, "",
                      {ingredient("Weinbrand", 0, 4), ingredient("Zucker", 1, 5),
                       ingredient("Kaffeepulver", 1, 3)})
            << "warm light";
        QTest::newRow("gin and tonic stay clear")
            << recipe(
                   7, "",
                   {ingredient("Gin", 0, 4), ingredient("Tonic Water", 0, 12), ingredient("Eiswürfel", 3, 0)})
            << "clear sparkling";
    }
    void drinkColours() {
        QFETCH(RecipeInfo, drink);
        QFETCH(QString, expect);
        const DrinkLook look = DrinkLook::fromRecipe(drink);
        const QColor c = look.centre;
        if (expect.contains(QStringLiteral("blue")))
            QVERIFY2(c.blue() > c.red() + 40 && c.blue() > c.green(), qPrintable(c.name()));
        if (expect.contains(QStringLiteral("warm")))
            QVERIFY2(c.red() > c.green() && c.green() > c.blue() && c.hsvSaturation() > 100,
                     qPrintable(c.name()));
        if (expect.contains(QStringLiteral("dark")))
            QVERIFY2(c.value() < 90, qPrintable(c.name()));
        if (expect.contains(QStringLiteral("light")))
            QVERIFY2(c.value() > 120, qPrintable(c.name()));
        if (expect.contains(QStringLiteral("red")))
            QVERIFY2(c.red() > 2 * c.green() && c.red() > 2 * c.blue(), qPrintable(c.name()));
        if (expect.contains(QStringLiteral("brown")))
            QVERIFY2(c.red() > c.blue() + 40 && c.value() < 200, qPrintable(c.name()));
        if (expect.contains(QStringLiteral("opaque")))
            QVERIFY(look.turbidity > 0.5);
        if (expect.contains(QStringLiteral("clear")))
            QVERIFY(look.clear);
        QCOMPARE(look.sparkling, expect.contains(QStringLiteral("sparkling")));
    }

    void glassAndIce_data() {
        QTest::addColumn<RecipeInfo>("drink");
        QTest::addColumn<K>("glass");
        QTest::addColumn<Ice>("ice");
        const auto rum = ingredient("Weißer Rum", 0, 5);
        const auto cubes = ingredient("Eiswürfel", 3, 0);
        const auto crushed = ingredient("Crushed Ice", 3, 0);
        QTest::newRow("named glass wins over the category")
            << recipe(3, "Im Shaker schütteln und in ein Cocktailglas abseihen.", {rum, cubes}) << K::Cocktail
            << Ice::None;
        QTest::newRow("the mixing glass is not the serving glass")
            << recipe(4, "Im Rührglas kalt rühren und in einen Tumbler auf Eis abseihen.", {rum, cubes})
            << K::Tumbler << Ice::Cubes;
        QTest::newRow("inflected name")
            << recipe(3, "Den Rand des Cocktailglases befeuchten.", {rum}) << K::Cocktail << Ice::None;
        QTest::newRow("copper mug") << recipe(7, "Im Kupferbecher auf Crushed Ice bauen.", {rum, crushed})
                                    << K::CopperMug << Ice::Crushed;
        QTest::newRow("shooter without a named glass")
            << recipe(12, "Kurz schütteln.", {rum}) << K::Shot << Ice::None;
        QTest::newRow("champagne cocktail")
            << recipe(14, "Mit Sekt auffüllen.", {rum}) << K::Flute << Ice::None;
        QTest::newRow("frozen drink")
            << recipe(17, "Im Blender mixen.", {rum, crushed}) << K::Hurricane << Ice::Frozen;
        QTest::newRow("a cup of ice is no serving cup")
            << recipe(17, "Mit einer Tasse Crushed Ice im Blender mixen und in ein Cocktailglas füllen.",
                      {rum, crushed})
            << K::Cocktail << Ice::Frozen;
        QTest::newRow("a cup when nothing else is named")
            << recipe(11, "Heiß in einer Tasse servieren.", {rum}) << K::Mug << Ice::None;
        QTest::newRow("a cocktail coupe")
            << recipe(4, "Kräftig schütteln und in eine vorgekühlte Cocktailschale abseihen.", {rum, cubes})
            << K::Coupe << Ice::None;
        QTest::newRow("the pitcher a punch is mixed in is no glass")
            << recipe(10, "Im Krug verrühren und mit etwas Obst in Weingläser schöpfen.", {rum, cubes})
            << K::WineGlass << Ice::Cubes;
        QTest::newRow("a pitcher when nothing else is named")
            << recipe(3, "Im Krug servieren.", {rum}) << K::BeerGlass << Ice::None;
        QTest::newRow("first named glass counts")
            << recipe(3, "In ein Highballglas geben; statt eines Tumblers geht auch ein Collinsglas.",
                      {rum, cubes})
            << K::Highball << Ice::Cubes;
    }
    void glassAndIce() {
        QFETCH(RecipeInfo, drink);
        QFETCH(K, glass);
        QFETCH(Ice, ice);
        const DrinkLook look = DrinkLook::fromRecipe(drink);
        QCOMPARE(look.glass, glass);
        QCOMPARE(look.ice, ice);
        if (ice == Ice::Crushed || ice == Ice::Frozen)
            QVERIFY(look.straw);
    }

    void layeredShooter() {
        const DrinkLook look =
            DrinkLook::fromRecipe(recipe(12, "Die Zutaten vorsichtig übereinander schichten.",
                                         {ingredient("Kaffeelikör", 0, 2), ingredient("Irish Cream", 0, 2),
                                          ingredient("Triple Sec", 0, 2)}));
        QCOMPARE(look.layers.size(), 3);
        double total = 0;
        for (const DrinkLook::Layer& l : look.layers)
            total += l.share;
        QCOMPARE(qRound(total * 1000), 1000);
        QVERIFY(look.layers.first().colour.value() < look.layers.at(1).colour.value());
    }

    // Steam follows what the instructions say first: a shaken coffee or a brewed and cooled tea is
    // cold in any category, a tea poured hot or a drink in a warmed glass steams in any.
    void hotDrinksSteam() {
        const auto hot = [](int category, const char* instructions, const char* liquid) {
            return DrinkLook::fromRecipe(recipe(category, instructions, {ingredient(liquid, 0, 10)})).hot;
        };
        QVERIFY(hot(11, "Heiß servieren.", "Kaffee"));
        QVERIFY(!hot(11, "Mit Zucker im Shaker schütteln. Kalt abseihen.", "Espresso"));
        QVERIFY(!hot(19, "Den Tee heiß aufbrühen und abkühlen lassen.", "Schwarzer Tee"));
        QVERIFY(hot(19, "Den Tee heiß aufgießen.", "Schwarzer Tee"));
        QVERIFY(hot(3, "In einen vorgewärmten Becher gießen. Im Sommer auch auf Eiswürfeln.", "Kakao"));
        QVERIFY(!hot(12, "In ein Schnapsglas gießen.", "Kaffeelikör"));
        QVERIFY(
            !DrinkLook::fromRecipe(recipe(3, "", {ingredient("Kaffee", 0, 4), ingredient("Eiswürfel", 3, 0)}))
                 .hot);
    }

    // Every decoration of the shipped data has its own drawing.
    void everyShippedDecorationIsDrawn() {
        QFile f(QStringLiteral(VELTA_SOURCE_DIR "/data/deko.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
        int count = 0;
        while (!f.atEnd()) {
            const QString line = QString::fromUtf8(f.readLine()).trimmed();
            if (!line.startsWith(QStringLiteral("Name:")))
                continue;
            const QString name = line.mid(5).trimmed();
            QVERIFY2(GarnishPainter::forName(name).kind != GarnishPainter::Kind::None, qPrintable(name));
            ++count;
        }
        QVERIFY(count >= 80);
    }

    void garnishNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<GarnishPainter::Kind>("kind");
        using G = GarnishPainter::Kind;
        QTest::newRow("zest before slice") << "Zitronenzeste" << G::Zest;
        QTest::newRow("pomegranate is no apple") << "Granatapfelkerne" << G::Pomegranate;
        QTest::newRow("apple slice") << "Apfelscheibe" << G::AppleSlice;
        QTest::newRow("lime wedge") << "Limettenspalte" << G::Wedge;
        QTest::newRow("cucumber strip is no slice") << "Gurkenstreifen" << G::CucumberRibbon;
        QTest::newRow("pineapple leaf is no piece") << "Ananasblatt" << G::PineappleLeaf;
        QTest::newRow("lemongrass is no lemon") << "Zitronengras" << G::Celery;
        QTest::newRow("lemon balm is no lemon") << "Zitronenmelisse" << G::Mint;
        QTest::newRow("cinnamon sugar rim is a rim") << "Zimtzuckerrand" << G::SugarRim;
        QTest::newRow("watermelon is no melon ball") << "Wassermelonenspalte" << G::PeachWedge;
        QTest::newRow("pear slice is no citrus wheel") << "Birnenscheibe" << G::AppleSlice;
        QTest::newRow("peel spiral") << "Zitronenspirale" << G::Zest;
        QTest::newRow("user's own decoration") << "Gummibärchen" << G::None;
    }
    void garnishNames() {
        QFETCH(QString, name);
        QFETCH(GarnishPainter::Kind, kind);
        QCOMPARE(GarnishPainter::forName(name).kind, kind);
    }

    // Every glass stands inside the photo, on the counter line, its profile running downward.
    void glassShapes() {
        for (int k = 0; k <= int(K::JulepCup); ++k) {
            const GlassShape g = GlassShape::forKind(K(k));
            const QString name = GlassShape::name(K(k));
            QVERIFY2(g.profile.size() >= 2, qPrintable(name));
            for (qsizetype i = 1; i < g.profile.size(); ++i)
                QVERIFY2(g.profile.at(i).y() > g.profile.at(i - 1).y(), qPrintable(name));
            QCOMPARE(g.halfWidthAt(g.rimY()), g.rimHalfWidth());
            const QRectF outline = g.silhouette().boundingRect();
            QVERIFY2(QRectF(0, 20, 140, 166).contains(outline), qPrintable(name));
            QVERIFY2(outline.bottom() >= 178, qPrintable(name));
            QVERIFY(g.defaultFill > 0.2 && g.defaultFill <= 1);
        }
    }

    void noiseRepeatsWithItsPeriod() {
        for (int i = 0; i < 20; ++i) {
            const double x = i * 7.3;
            const double y = i * 3.1;
            QCOMPARE(Noise::smooth(x, y, 8, 5, 20, 20), Noise::smooth(x + 160, y, 8, 5, 20, 20));
            QCOMPARE(Noise::fractal(x, y, 8, 3, 5, 20, 20), Noise::fractal(x, y + 160, 8, 3, 5, 20, 20));
        }
    }

    // Frame bitmaps: raised frames are lit on the outer top and left edges and shaded on the outer
    // right and bottom ones; the right edge's last rows turn the corner into the bottom edge.
    void skinEdges() {
        for (const SkinStyle& s : SkinStyle::all()) {
            const QImage o = SkinPainter::paint(s, 'O');
            const QImage l = SkinPainter::paint(s, 'L');
            const QImage r = SkinPainter::paint(s, 'R');
            const QImage u = SkinPainter::paint(s, 'U');
            QCOMPARE(o.size(), QSize(SkinPainter::kBandWidth, SkinPainter::kBandHeight));
            QCOMPARE(l.width(), SkinPainter::kLeftWidth);
            QCOMPARE(r.width(), SkinPainter::kRightWidth);
            QCOMPARE(u.height(), SkinPainter::kBottomHeight);
            const auto light = [](QRgb c) { return qGray(c); };
            QVERIFY2(light(o.pixel(100, 0)) > light(o.pixel(100, 12)), qPrintable(s.name));
            QVERIFY2(light(l.pixel(0, 100)) > light(l.pixel(4, 100)), qPrintable(s.name));
            QVERIFY2(light(r.pixel(r.width() - 1, 100)) < light(r.pixel(r.width() - 4, 100)),
                     qPrintable(s.name));
            QVERIFY2(light(u.pixel(100, u.height() - 1)) < light(u.pixel(100, u.height() - 4)),
                     qPrintable(s.name));
            // The right edge's corner turns into the bottom edge: its last row is the dark outer line.
            QVERIFY(light(r.pixel(2, r.height() - 1)) < light(r.pixel(2, r.height() - 4)));
            if (s.lowColour) {
                for (const QImage& img : {o, l, r, u}) {
                    for (int y = 0; y < img.height(); y += 3) {
                        for (int x = 0; x < img.width(); x += 3)
                            QVERIFY2(VgaPalette::contains(img.pixel(x, y)), qPrintable(s.name));
                    }
                }
            }
        }
    }

    void recipesReadThroughTheStore() {
        TempDataFolder folder;
        Fixture f(folder.path());
        f.ingredient(1, "Eiswürfel", 0, 3);
        f.ingredient(26, "Weißer Rum", 40, 0);
        f.ingredient(19, "Cola", 0, 0);
        f.picture(QStringLiteral("DE"), "Limettenspalte", "DLISPALT");
        f.recipe("Cuba Libre", "1", 1, {{26, 4}, {19, 12}, {1, 0}, {77, 2}});
        const QList<RecipeInfo> recipes = RecipeSource::recipes(folder.path());
        QCOMPARE(recipes.size(), 1);
        const RecipeInfo& r = recipes.first();
        QCOMPARE(r.name, QStringLiteral("Cuba Libre"));
        QCOMPARE(r.decoration, QStringLiteral("Limettenspalte"));
        QCOMPARE(r.category, 3);
        // The unknown ingredient 77 has no colour to give and is left out.
        QCOMPARE(r.ingredients.size(), 3);
        QCOMPARE(r.ingredients.at(1).name, QStringLiteral("Cola"));
        QCOMPARE(r.ingredients.at(1).amount, 12);
        QVERIFY(r.instructions.contains(QStringLiteral("Highballglas")));
    }

    void photoJob() {
        TempDataFolder folder;
        const QString data = folder.filePath(QStringLiteral("DATEN"));
        const QString pictures = folder.filePath(QStringLiteral("BILDER"));
        const QString stamp = folder.filePath(QStringLiteral("photos.stamp"));
        QVERIFY(QDir().mkpath(data));
        QVERIFY(!MediaJobs::writePhotos(data, pictures, stamp));
        QVERIFY(!QDir(pictures).exists());

        Fixture f(data);
        f.ingredient(26, "Weißer Rum", 40, 0);
        f.picture(QStringLiteral("DE"), "Limettenspalte", "DLISPALT");
        f.picture(QStringLiteral("BA"), "Shaker", "LSHAKER");
        f.picture(QStringLiteral("BA"), "Ohne Bild", "");
        f.recipe("Eins", "1", 0, {{26, 4}});
        f.recipe("Fünfhundertsiebzehn", "517", 1, {{26, 4}});
        f.recipe("Eigenes", "e", 0, {{26, 4}});
        const QString stale = QDir(pictures).filePath(QStringLiteral("07/799.BMP"));
        BmpFiles::save24(QImage(4, 4, QImage::Format_RGB32), stale);

        QVERIFY(MediaJobs::writePhotos(data, pictures, stamp));
        const QStringList expected = {QStringLiteral("00/1.BMP"), QStringLiteral("05/517.BMP"),
                                      QStringLiteral("EXTRAS/DLISPALT.BMP"),
                                      QStringLiteral("EXTRAS/LSHAKER.BMP")};
        for (const QString& e : expected)
            QVERIFY2(QImage(QDir(pictures).filePath(e)).size().isValid(), qPrintable(e));
        QCOMPARE(QImage(QDir(pictures).filePath(QStringLiteral("05/517.BMP"))).size(), QSize(140, 200));
        QVERIFY2(!QFile::exists(stale), "picture of a removed record stayed");
        QCOMPARE(QDir(QDir(pictures).filePath(QStringLiteral("EXTRAS"))).entryList(QDir::Files).size(), 2);

        // While the stamp is newer than the tables nothing is redrawn ...
        const QString one = QDir(pictures).filePath(QStringLiteral("00/1.BMP"));
        QVERIFY(QFile::remove(one));
        QVERIFY(MediaJobs::writePhotos(data, pictures, stamp));
        QVERIFY(!QFile::exists(one));
        // ... until the tables change.
        touch(QDir(data).filePath(QStringLiteral("RE.DBF")), QDateTime::currentDateTime().addSecs(60));
        QVERIFY(MediaJobs::writePhotos(data, pictures, stamp));
        QVERIFY(QFile::exists(one));
    }

    // Every liquid the shipped data knows gets a colour of its own, not the fallback.
    void everyShippedLiquidHasAColour() {
        const LiquidTint fallback = LiquidTint::forName(QStringLiteral("Xyzzy"));
        QDir dir(QStringLiteral(VELTA_SOURCE_DIR "/data/zutaten"));
        int checked = 0;
        QStringList missing;
        for (const QString& file : dir.entryList({QStringLiteral("*.txt")})) {
            QFile f(dir.filePath(file));
            QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
            QString name;
            while (!f.atEnd()) {
                const QString line = QString::fromUtf8(f.readLine()).trimmed();
                if (line.startsWith(QStringLiteral("Name:")))
                    name = line.mid(5).trimmed();
                const bool liquid =
                    line == QStringLiteral("Einheit: cl") || line == QStringLiteral("Einheit: dash");
                if (liquid && !name.isEmpty()) {
                    const LiquidTint t = LiquidTint::forName(name);
                    if (t.colour == fallback.colour && t.strength == fallback.strength)
                        missing.append(name);
                    ++checked;
                }
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
        QVERIFY(checked > 150);
    }

    // The photo shows the drink's colour inside the glass, and the empty glass shows the backdrop.
    void photoShowsTheDrink_data() {
        QTest::addColumn<K>("glass");
        for (int k = 0; k <= int(K::JulepCup); ++k)
            QTest::newRow(qPrintable(GlassShape::name(K(k)))) << K(k);
    }
    void photoShowsTheDrink() {
        QFETCH(K, glass);
        DrinkLook look;
        look.glass = glass;
        look.centre = QColor(220, 20, 30);
        look.edge = QColor(230, 60, 60);
        look.turbidity = 1;
        const GlassShape g = GlassShape::forKind(glass);
        const double level = GlassPainter::liquidLevel(g, look);
        // Opaque mugs show their drink only at the rim.
        const QPoint probe = g.opaque() ? QPoint(int(g.centreX), int(g.rimY() + 1))
                                        : QPoint(int(g.centreX), int((level + g.bottomY()) / 2));
        const QColor seen = PhotoPainter::photo(look).pixelColor(probe);
        QVERIFY2(seen.red() > 110 && seen.red() > 2 * seen.green() && seen.red() > 2 * seen.blue(),
                 qPrintable(seen.name()));
        look.empty = true;
        const QColor empty = PhotoPainter::photo(look).pixelColor(probe);
        QVERIFY2(!(empty.red() > 110 && empty.red() > 2 * empty.green()), qPrintable(empty.name()));
    }

    void liquidLevels() {
        const GlassShape g = GlassShape::forKind(K::Highball);
        DrinkLook look;
        look.glass = K::Highball;
        const double full = GlassPainter::liquidLevel(g, look);
        QVERIFY(full > g.rimY() && full < g.bottomY());
        look.fill = 0.5;
        QCOMPARE(GlassPainter::liquidLevel(g, look), (g.rimY() + g.bottomY()) / 2);
        look.ice = Ice::Frozen;
        QVERIFY(GlassPainter::liquidLevel(g, look) <= g.rimY() + 1);
        look.empty = true;
        QCOMPARE(GlassPainter::liquidLevel(g, look), g.bottomY());
    }

    // The arrow of the button that steps to the next recipe points down, the other one up.
    void stepArrowsPointTheRightWay() {
        const QImage down = IconPainter::stepArrow(true);
        const QImage up = IconPainter::stepArrow(false);
        QVERIFY(centroid(down).y() < down.height() / 2.0);
        QVERIFY(centroid(up).y() > up.height() / 2.0);
        QVERIFY(down.width() <= 15 && down.height() <= 16);
    }

    void toolbarSetsDiffer() {
        for (int k = 1; k <= 10; ++k) {
            const QImage hi = IconPainter::toolbar(k, true);
            const QImage lo = IconPainter::toolbar(k, false);
            QCOMPARE(hi.size(), QSize(IconPainter::kButtonWidth, IconPainter::kButtonHeight));
            QCOMPARE(lo.size(), hi.size());
            QVERIFY(hi != lo);
            // Both sets show the same picture: their opaque parts lie in the same place.
            QVERIFY((centroid(hi) - centroid(lo)).manhattanLength() < 3);
        }
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, IconPainter::toolbar(11, true));
    }

    void programIconHasTransparentCorners() {
        for (int size : {16, 32, 48}) {
            const QImage icon = ArtPainter::icon(size);
            QCOMPARE(icon.size(), QSize(size, size));
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        }
    }

    void assistantPictures() {
        QSet<QByteArray> seen;
        for (const char* name : {"c1", "c2", "c3", "c4", "c5", "b1", "b2", "b3", "b4", "b5", "e1"}) {
            const QImage img = AssistantPainter::picture(QString::fromLatin1(name));
            QCOMPARE(img.size(), QSize(AssistantPainter::kWidth, AssistantPainter::kHeight));
            seen.insert(QCryptographicHash::hash(
                QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()),
                QCryptographicHash::Sha1));
        }
        QCOMPARE(seen.size(), 11);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AssistantPainter::picture(QStringLiteral("c9")));
    }

    // Every shipped lexicon term and decoration gets a picture of its own.
    void extrasAreDistinct() {
        QHash<QByteArray, QString> seen;
        QStringList twins;
        const QStringList terms = dataNames(QStringLiteral("lexikon.txt"));
        const QStringList decorations = dataNames(QStringLiteral("deko.txt"));
        QVERIFY(terms.size() > 100 && decorations.size() >= 40);
        for (qsizetype i = 0; i < terms.size() + decorations.size(); ++i) {
            const bool term = i < terms.size();
            const QString name = term ? terms.at(i) : decorations.at(i - terms.size());
            const QImage img = term ? ExtraPainter::term(name) : ExtraPainter::decoration(name);
            QCOMPARE(img.size(), QSize(ExtraPainter::kSize, ExtraPainter::kSize));
            const QByteArray hash = QCryptographicHash::hash(
                QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()),
                QCryptographicHash::Sha1);
            if (seen.contains(hash))
                twins.append(seen.value(hash) + QStringLiteral(" = ") + name);
            seen.insert(hash, name);
        }
        QVERIFY2(twins.isEmpty(), qPrintable(twins.join(QStringLiteral(", "))));
    }

    // The picture job writes exactly the files it lists (the build's dependencies rely on it), and
    // the review sheets can be drawn from them.
    void pictureJob() {
        TempDataFolder folder;
        const QString data = folder.filePath(QStringLiteral("DATEN"));
        MediaJobs::writePictures(data);
        QStringList written = QDir(data).entryList(QDir::Files);
        QStringList listed = MediaJobs::pictureFiles();
        written.sort();
        listed.sort();
        QCOMPARE(written, listed);
        for (int motif = 1; motif <= 7; ++motif)
            QVERIFY(!ContactSheets::theme(folder.path(), motif).isNull());
    }

    void writingToAnImpossiblePlaceFails() {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, BmpFiles::save24(QImage(2, 2, QImage::Format_RGB32),
                                                                      QStringLiteral("/proc/velta/x.BMP")));
    }

    void resourceListMatchesWhatIsWritten() {
        TempDataFolder folder;
        MediaJobs::writeResources(folder.path());
        for (const QString& file : MediaJobs::resourceFiles())
            QVERIFY2(!QImage(folder.filePath(file)).isNull(), qPrintable(file));
        QCOMPARE(MediaJobs::resourceFiles().size(), 25);
    }
};

VELTA_TEST_MAIN_GUI(TestMediaGen)
#include "tst_mediagen.moc"
