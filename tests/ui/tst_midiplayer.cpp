#include "TempDataFolder.h"
#include "VeltaTest.h"
#include "ui/MidiPlayer.h"

#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A one-note piece, half a second long (one quarter at 120 beats a minute).
QByteArray oneNote() {
    const QByteArray track = QByteArray::fromHex("00C000"                  // piano
                                                 "00903C64"                // middle C on
                                                 "8360803C40"              // 480 ticks later off
                                                 "00FF2F00");              // end of track
    QByteArray file = QByteArray::fromHex("4D546864000000060000000101E0"); // MThd, format 0, 480 ticks
    file += "MTrk";
    const quint32 size = quint32(track.size());
    file += char(size >> 24);
    file += char(size >> 16);
    file += char(size >> 8);
    file += char(size);
    return file + track;
}

int peak(const QList<qint16>& samples) {
    int p = 0;
    for (qint16 s : samples)
        p = std::max(p, std::abs(int(s)));
    return p;
}

} // namespace

// The background music offline: FluidSynth renders the piece into memory as fast as it can, so the
// music can be heard in numbers without a sound card.
class TestMidiPlayer : public QObject {
    Q_OBJECT

    TempDataFolder m_dir;
    QString m_piece;

    // Renders up to `seconds` of music in tenths; returns the tenths rendered until the player ended.
    static int renderUntilEnd(MidiPlayer& player, int seconds) {
        for (int tenth = 0; tenth < seconds * 10; ++tenth) {
            player.render(MidiPlayer::kSampleRate / 10);
            if (!player.isPlaying())
                return tenth;
        }
        return -1;
    }

private slots:
    void initTestCase() {
        QVERIFY(QFile::exists(MidiPlayer::defaultSoundFont()));
        m_piece = m_dir.filePath(u"VELTA.MID"_s);
        QFile f(m_piece);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(oneNote());
    }

    void playsOnceAndEnds() {
        MidiPlayer player(MidiPlayer::Output::Offline);
        QVERIFY(player.open(m_piece));
        QVERIFY(!player.isPlaying());
        player.play(false);
        QVERIFY(player.isPlaying());
        QVERIFY(peak(player.render(MidiPlayer::kSampleRate / 4)) > 500); // the note sounds
        QVERIFY(renderUntilEnd(player, 10) >= 0);
        QVERIFY(peak(player.render(MidiPlayer::kSampleRate)) < 50); // then silence (dither aside)
    }

    void endlessStartsAgainUntilToldOtherwise() {
        MidiPlayer player(MidiPlayer::Output::Offline);
        QVERIFY(player.open(m_piece));
        player.play(true);
        player.render(MidiPlayer::kSampleRate * 8);
        QVERIFY(player.isPlaying());
        // Every half second the note comes again.
        QVERIFY(peak(player.render(MidiPlayer::kSampleRate / 2)) > 500);
        player.setEndless(false); // "am Anfang" chosen meanwhile: the piece ends at its end
        QVERIFY(renderUntilEnd(player, 10) >= 0);
    }

    void onceBecomesEndlessWhilePlaying() {
        MidiPlayer player(MidiPlayer::Output::Offline);
        QVERIFY(player.open(m_piece));
        player.play(false);
        player.render(MidiPlayer::kSampleRate / 10);
        player.setEndless(true);
        QCOMPARE(renderUntilEnd(player, 6), -1);
    }

    void playAfterTheEndStartsFromTheBeginning() {
        MidiPlayer player(MidiPlayer::Output::Offline);
        QVERIFY(player.open(m_piece));
        player.play(false);
        QVERIFY(renderUntilEnd(player, 10) >= 0);
        player.play(false);
        QVERIFY(player.isPlaying());
        QVERIFY(peak(player.render(MidiPlayer::kSampleRate / 4)) > 500);
    }

    void stopSilences() {
        MidiPlayer player(MidiPlayer::Output::Offline);
        QVERIFY(player.open(m_piece));
        player.play(true);
        player.render(MidiPlayer::kSampleRate / 10);
        player.stop();
        QVERIFY(!player.isPlaying());
        player.render(MidiPlayer::kSampleRate / 2); // the release dies away
        QVERIFY(peak(player.render(MidiPlayer::kSampleRate / 10)) < 50);
        player.stop(); // twice is harmless
    }

    void unusableFilesGiveNoMusic_data() {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QString>("soundFont");
        QTest::newRow("missing piece") << u"FEHLT.MID"_s << MidiPlayer::defaultSoundFont();
        QTest::newRow("not MIDI") << u"VELTA.WAV"_s << MidiPlayer::defaultSoundFont();
        QTest::newRow("missing sound font") << u"VELTA.MID"_s << u"/nonexistent/TimGM6mb.sf2"_s;
    }
    void unusableFilesGiveNoMusic() {
        QFETCH(QString, piece);
        QFETCH(QString, soundFont);
        QFile wav(m_dir.filePath(u"VELTA.WAV"_s));
        QVERIFY(wav.open(QIODevice::WriteOnly));
        wav.write("RIFF\0\0\0\0WAVE", 12);
        wav.close();
        MidiPlayer player(MidiPlayer::Output::Offline, soundFont);
        QVERIFY(!player.open(m_dir.filePath(piece)));
        QVERIFY(!player.failure().isEmpty());
        player.play(true); // nothing to play: no crash, no music
        QVERIFY(!player.isPlaying());
    }

    void theShippedPieceLoads() {
        const QString shipped = QStringLiteral(VELTA_BINARY_DIR "/image/DATEN/VELTA.MID");
        MidiPlayer player(MidiPlayer::Output::Offline);
        QVERIFY(player.open(shipped));
        player.play(false);
        QVERIFY(peak(player.render(MidiPlayer::kSampleRate * 3)) > 500);
    }
};

VELTA_TEST_MAIN_CORE(TestMidiPlayer)
#include "tst_midiplayer.moc"
