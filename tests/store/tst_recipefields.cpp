#include "TempDataFolder.h"
#include "VeltaTest.h"
#include "store/AlcoholValue.h"
#include "store/IngredientSlots.h"
#include "store/PhotoPath.h"
#include "store/RecipeMemo.h"
#include "store/UnitKind.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;
using Lines = QList<IngredientSlots::Line>;
Q_DECLARE_METATYPE(Lines)

class TestRecipeFields : public QObject {
    Q_OBJECT

private slots:
    void formatNumber5_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("slot");
        QTest::newRow("zero is blank") << 0 << "     ";
        QTest::newRow("one digit") << 7 << "    7";
        QTest::newRow("two digits") << 42 << "   42";
        QTest::newRow("four digits") << 9999 << " 9999";
        QTest::newRow("five digits") << 12345 << "12345";
        QTest::newRow("six digits unpadded") << 123456 << "123456";
    }
    void formatNumber5() {
        QFETCH(int, number);
        QFETCH(QString, slot);
        QCOMPARE(IngredientSlots::FormatNumber5(number), slot);
    }

    void slotDecoding_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("value");
        QTest::newRow("first") << "   12  305" << 0 << 12;
        QTest::newRow("second") << "   12  305" << 1 << 305;
        QTest::newRow("missing slot") << "   12" << 1 << 0;
        QTest::newRow("blank slot") << "        " << 0 << 0;
        QTest::newRow("first character ignored") << "91234" << 0 << 1234;
        QTest::newRow("not a number") << "  abc" << 0 << 0;
        QTest::newRow("slot 21 never read")
            << QString(100, QLatin1Char(' ')) + QStringLiteral("    5") << 20 << 0;
    }
    void slotDecoding() {
        QFETCH(QString, field);
        QFETCH(int, slot);
        QFETCH(int, value);
        QCOMPARE(IngredientSlots::decodeSlot(field, slot), value);
    }

    void twentySlotsKeptTwentyFirstIgnored() {
        Lines lines;
        for (int i = 1; i <= 21; ++i)
            lines.append({i * 3, i});
        const QString z = IngredientSlots::encodeNumbers(lines);
        const QString amounts = IngredientSlots::encodeAmounts(lines);
        const Lines read = IngredientSlots(z.left(100), amounts.left(100)).lines();
        QCOMPARE(read.size(), 20);
        QCOMPARE(read.last().ingredient, 60);
        QCOMPARE(read.last().amount, 20);
        QCOMPARE(IngredientSlots(z, amounts).lines().size(), 20);
        QCOMPARE(IngredientSlots(QStringLiteral("   12    0   14"), QString()).lines().size(), 1);
    }

    // The line the view, the editor and the printouts show.
    void ingredientLine_data() {
        QTest::addColumn<int>("amount");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("line");
        QTest::newRow("cl") << 4 << 0 << u"4 cl  Rum"_s;
        QTest::newRow("no amount in cl") << 0 << 0 << u"cl  Rum"_s;
        QTest::newRow("gram") << 10 << 1 << u"10 g  Rum"_s;
        QTest::newRow("piece") << 2 << 2 << u"2 St  Rum"_s;
        QTest::newRow("without unit ignores the amount") << 5 << 3 << u"Rum"_s;
        QTest::newRow("dash") << 1 << 4 << u"1 dash  Rum"_s;
        QTest::newRow("unknown kind has no unit") << 5 << 7 << u"Rum"_s;
    }
    void ingredientLine() {
        QFETCH(int, amount);
        QFETCH(int, kind);
        QFETCH(QString, line);
        QCOMPARE(UnitKind::line(amount, kind, u"Rum"_s), line);
    }

    void alcoholValue_data() {
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<int>("dashes");
        QTest::addColumn<int>("alk");
        // Ingredients: 1 rum 40 % cl, 2 juice 0 % cl, 3 bitters 45 % dash, 4 lime piece, 5 strong 80 % cl.
        QTest::newRow("plain") << Lines{{1, 4}, {2, 12}} << 12 << 10;
        QTest::newRow("12 dashes are 1 cl") << Lines{{3, 12}, {2, 8}} << 12 << 5;
        QTest::newRow("other units ignored") << Lines{{1, 5}, {4, 3}} << 12 << 40;
        QTest::newRow("unknown ingredient adds nothing") << Lines{{1, 5}, {99, 5}} << 12 << 40;
        QTest::newRow("amount 0 adds nothing") << Lines{{1, 4}, {2, 0}} << 12 << 40;
        QTest::newRow("half rounds to even (down)") << Lines{{5, 5}, {2, 75}} << 12 << 5; // 4.5
        QTest::newRow("half rounds to even (up)") << Lines{{5, 15}, {2, 65}} << 12 << 15; // 15.0
        QTest::newRow("half rounds to even 2.5") << Lines{{5, 1}, {2, 31}} << 12 << 2;    // 2.5
        QTest::newRow("no volume") << Lines{{4, 2}} << 12 << 0;
        QTest::newRow("dash divisor 6") << Lines{{3, 6}, {2, 8}} << 6 << 5;
    }
    void alcoholValue() {
        QFETCH(Lines, lines);
        QFETCH(int, dashes);
        QFETCH(int, alk);
        const auto lookup = [](int n) -> std::optional<AlcoholValue::Ingredient> {
            switch (n) {
            case 1:
                return AlcoholValue::Ingredient{UnitKind::Cl, 40};
            case 2:
                return AlcoholValue::Ingredient{UnitKind::Cl, 0};
            case 3:
                return AlcoholValue::Ingredient{UnitKind::Dash, 45};
            case 4:
                return AlcoholValue::Ingredient{UnitKind::Piece, 0};
            case 5:
                return AlcoholValue::Ingredient{UnitKind::Cl, 80};
            default:
                return std::nullopt;
            }
        };
        QCOMPARE(AlcoholValue::compute(lines, lookup, dashes), alk);
    }

    void memoSplitsAtFirstSeparator_data() {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("instructions");
        QTest::addColumn<QString>("remark");
        QTest::newRow("no remark") << "Schütteln."
                                   << "Schütteln."
                                   << "";
        QTest::newRow("remark") << "Schütteln.þýAus Kuba."
                                << "Schütteln."
                                << "Aus Kuba.";
        QTest::newRow("only first counts") << "AþýBþýC"
                                           << "A"
                                           << "BþýC";
        QTest::newRow("þ alone is text") << "Aþ BýC"
                                         << "Aþ BýC"
                                         << "";
    }
    void memoSplitsAtFirstSeparator() {
        QFETCH(QString, memo);
        QFETCH(QString, instructions);
        QFETCH(QString, remark);
        QString i;
        QString r;
        RecipeMemo::split(memo, &i, &r);
        QCOMPARE(i, instructions);
        QCOMPARE(r, remark);
        if (!memo.contains(QStringLiteral("þýC")))
            QCOMPARE(RecipeMemo::join(i, r), memo);
    }

    void photoNaming_data() {
        QTest::addColumn<QString>("bild");
        QTest::addColumn<QString>("eigen");
        QTest::addColumn<QString>("expected"); // relative to the temp folder, "" = none
        QTest::newRow("hundreds folder") << "1234"
                                         << ""
                                         << "BILDER/12/1234.BMP";
        QTest::newRow("single digit folder gets 0") << "517"
                                                    << ""
                                                    << "BILDER/05/517.BMP";
        QTest::newRow("below 100") << "7"
                                   << ""
                                   << "BILDER/00/7.bmp";
        QTest::newRow("no collection photo") << "e"
                                             << ""
                                             << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("file missing") << "999"
                                      << ""
                                      << "";
        QTest::newRow("own photo wins") << "517"
                                        << "meins"
                                        << "EIGENE/MEINS.BMP";
        QTest::newRow("own photo missing") << "517"
                                           << "fehlt"
                                           << "";
        QTest::newRow("own photo leaves folder") << "517"
                                                 << "../BILDER/05/517"
                                                 << "";
        QTest::newRow("collection leaves folder") << "../x"
                                                  << ""
                                                  << "";
        QTest::newRow("not a number") << "12abc"
                                      << ""
                                      << "";
    }
    void photoNaming() {
        QFETCH(QString, bild);
        QFETCH(QString, eigen);
        QFETCH(QString, expected);
        TempDataFolder dir;
        for (const char* f :
             {"BILDER/12/1234.BMP", "BILDER/05/517.BMP", "BILDER/00/7.bmp", "EIGENE/MEINS.BMP", "x.BMP"}) {
            const QString path = dir.filePath(QString::fromLatin1(f));
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString found = PhotoPath::forRecipe(bild, eigen, dir.filePath(QStringLiteral("BILDER")),
                                                   dir.filePath(QStringLiteral("EIGENE")));
        QCOMPARE(found, expected.isEmpty() ? QString() : dir.filePath(expected));
    }
};

VELTA_TEST_MAIN_CORE(TestRecipeFields)
#include "tst_recipefields.moc"
