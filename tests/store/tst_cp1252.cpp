#include "VeltaTest.h"
#include "store/Cp1252.h"

class TestCp1252 : public QObject {
    Q_OBJECT
private slots:
    void decodesAndEncodes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("Mojito") << QStringLiteral("Mojito");
        QTest::newRow("umlauts") << QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF") << QStringLiteral("äöüÄÖÜß");
        QTest::newRow("euro and quotes")
            << QByteArray("\x80 \x84x\x93 \x96 \x85") << QStringLiteral("€ „x“ – …");
        QTest::newRow("memo separator") << QByteArray("\xFE\xFD") << QStringLiteral("þý");
        QTest::newRow("undefined byte kept") << QByteArray("\x81\x8D") << QStringLiteral("\u0081\u008D");
    }
    void decodesAndEncodes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(Cp1252::toUnicode(bytes), text);
        QCOMPARE(Cp1252::fromUnicode(text), bytes);
    }

    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Cp1252::fromUnicode(Cp1252::toUnicode(all)), all);
    }

    void unencodableBecomesQuestionMark() {
        QCOMPARE(Cp1252::fromUnicode(QStringLiteral("a→b")), QByteArray("a?b"));
        QVERIFY(!Cp1252::canEncode(QStringLiteral("≈")));
        QVERIFY(Cp1252::canEncode(QStringLiteral("Crème de Cassis – 15 €")));
    }

    // A refusal names the character as the user typed it, never half of it.
    void firstUnencodableIsWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("character");
        QTest::newRow("all fits") << QStringLiteral("Crème – 15 €") << QString();
        QTest::newRow("a letter") << QStringLiteral("Łódź") << QStringLiteral("Ł");
        QTest::newRow("an emoji: two UTF-16 units")
            << QStringLiteral("Sonne 🍹 und Meer") << QStringLiteral("🍹");
        QTest::newRow("an emoji with a skin tone")
            << QStringLiteral("Prost 👍🏽!") << QStringLiteral("👍🏽");
        QTest::newRow("a combining mark with its letter")
            << QStringLiteral("Cafe\u0301 Noir") << QStringLiteral("e\u0301");
    }
    void firstUnencodableIsWhole() {
        QFETCH(QString, text);
        QFETCH(QString, character);
        QCOMPARE(Cp1252::firstUnencodable(text), character);
    }
};

VELTA_TEST_MAIN_CORE(TestCp1252)
#include "tst_cp1252.moc"
