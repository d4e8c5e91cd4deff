#include "SilentSoundBackend.h"
#include "TempDataFolder.h"
#include "VeltaTest.h"
#include "WavFixture.h"
#include "common/AppState.h"
#include "ui/BackgroundMusic.h"
#include "ui/MusicRules.h"
#include "ui/SoundBackend.h"
#include "ui/SoundEffects.h"
#include "ui/WavClip.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Records what the music rules ask of the player.
class RecordingMusic : public BackgroundMusic {
public:
    bool opens = true;
    bool playing = false;
    QStringList calls;
    bool open(const QString& file) override {
        calls << u"open "_s + QFileInfo(file).fileName();
        return opens;
    }
    void play(bool endless) override {
        calls << (endless ? u"play endless"_s : u"play once"_s);
        playing = true;
    }
    void setEndless(bool endless) override { calls << (endless ? u"endless"_s : u"once"_s); }
    void stop() override {
        calls << u"stop"_s;
        playing = false;
    }
    bool isPlaying() const override { return playing; }
    QString failure() const override { return {}; }
};

} // namespace

// `PlaySound`'s rules, the WAV reader and the rules of the background music, without a device.
class TestSoundEffects : public QObject {
    Q_OBJECT

private slots:
    void playsOnlyWhenAllowed_data() {
        QTest::addColumn<bool>("wave");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("noises");
        QTest::addColumn<int>("speech");
        QTest::addColumn<QStringList>("played");
        const QStringList both = {u"/snd/8.WAV"_s, u"/snd/13.WAV"_s};
        QTest::newRow("everything on") << true << true << 1 << 1 << both;
        QTest::newRow("noises off, speech on") << true << true << 0 << 1 << QStringList{u"/snd/13.WAV"_s};
        QTest::newRow("speech off, noises on") << true << true << 1 << 0 << QStringList{u"/snd/8.WAV"_s};
        QTest::newRow("both off") << true << true << 0 << 0 << QStringList();
        QTest::newRow("before the main window was shown") << true << false << 1 << 1 << QStringList();
        QTest::newRow("no wave output") << false << true << 1 << 1 << QStringList();
    }
    void playsOnlyWhenAllowed() {
        QFETCH(bool, wave);
        QFETCH(bool, shown);
        QFETCH(int, noises);
        QFETCH(int, speech);
        QFETCH(QStringList, played);
        SilentSoundBackend backend;
        AppState state;
        state.folders.soundFolder = u"/snd/"_s;
        state.run.waveAvailable = wave;
        state.run.mainShown = shown;
        state.settings.changeOptions().set(OptionsRecord::Noises, quint8(noises));
        state.settings.changeOptions().set(OptionsRecord::Speech, quint8(speech));
        SoundEffects sound(state);
        sound.PlaySound(SoundKind::Noise, 8);
        sound.PlaySound(SoundKind::Speech, 13);
        QCOMPARE(backend.played(), played);
    }

    void callsQueueInOrder() {
        SilentSoundBackend backend;
        AppState state;
        state.folders.soundFolder = u"/snd/"_s;
        state.run.waveAvailable = state.run.mainShown = true;
        SoundEffects sound(state);
        for (int n : {16, 22, 4, 22, 22, 5})
            sound.PlaySound(SoundKind::Speech, n);
        QCOMPARE(backend.played(), (QStringList{u"/snd/16.WAV"_s, u"/snd/22.WAV"_s, u"/snd/4.WAV"_s,
                                                u"/snd/22.WAV"_s, u"/snd/22.WAV"_s, u"/snd/5.WAV"_s}));
    }

    // No device: the sound is dropped without a crash, not kept for a device installed later.
    void withoutBackendNothingHappens() {
        SoundBackend* previous = SoundBackend::setCurrent(nullptr);
        AppState state;
        state.run.waveAvailable = state.run.mainShown = true;
        SoundEffects(state).PlaySound(SoundKind::Noise, 1);
        SoundPlayer::none().PlaySound(SoundKind::Noise, 1);
        QVERIFY(!SoundBackend::current());
        SilentSoundBackend later;
        QCoreApplication::processEvents();
        QVERIFY(later.played().isEmpty());
        SoundBackend::setCurrent(previous);
    }

    void readsPcmClips_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("extensible");
        QTest::addColumn<int>("sample");
        QTest::newRow("16-bit mono") << 1 << 1 << 16 << false << int(WavClip::Sample::Int16);
        QTest::newRow("8-bit stereo") << 1 << 2 << 8 << false << int(WavClip::Sample::UInt8);
        QTest::newRow("32-bit") << 1 << 1 << 32 << false << int(WavClip::Sample::Int32);
        QTest::newRow("float") << 3 << 2 << 32 << false << int(WavClip::Sample::Float);
        QTest::newRow("extensible PCM") << 1 << 2 << 16 << true << int(WavClip::Sample::Int16);
    }
    void readsPcmClips() {
        QFETCH(int, tag);
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(bool, extensible);
        QFETCH(int, sample);
        WavFixture w;
        w.tag = quint16(tag);
        w.channels = quint16(channels);
        w.bits = quint16(bits);
        w.extensible = extensible;
        const std::optional<WavClip> clip = WavClip::parse(w.bytes());
        QVERIFY(clip);
        QCOMPARE(clip->sampleRate, 22050);
        QCOMPARE(clip->channels, channels);
        QCOMPARE(int(clip->sample), sample);
        QCOMPARE(clip->data.size(), qsizetype(w.frames) * channels * bits / 8);
        QCOMPARE(clip->durationMs(), 100);
    }

    void skipsOtherChunksAndPadding() {
        WavFixture w;
        w.extraChunk = QByteArray("LIST") + QByteArray("\x05\x00\x00\x00", 4) + "abcde" + '\0'; // odd: padded
        const std::optional<WavClip> clip = WavClip::parse(w.bytes());
        QVERIFY(clip);
        QCOMPARE(clip->data.size(), qsizetype(w.frames) * 2);
    }

    void cutDataKeepsWholeFrames() {
        WavFixture w;
        w.channels = 2;
        w.declaredData = 1'000'000; // claims more than the file holds
        QByteArray bytes = w.bytes();
        bytes.chop(3); // and the last frame is cut in the middle
        const std::optional<WavClip> clip = WavClip::parse(bytes);
        QVERIFY(clip);
        QCOMPARE(clip->data.size() % clip->bytesPerFrame(), 0);
        QCOMPARE(clip->data.size(), qsizetype(w.frames - 1) * 4);
    }

    void refusesWhatItCannotPlay_data() {
        QTest::addColumn<QByteArray>("bytes");
        WavFixture adpcm;
        adpcm.tag = 2;
        adpcm.bits = 4;
        WavFixture bits24;
        bits24.bits = 24;
        WavFixture noChannels;
        noChannels.channels = 0;
        WavFixture silly;
        silly.rate = 5;
        QByteArray noFormat = WavFixture().bytes();
        noFormat.replace(12, 4, "junk");
        QTest::newRow("ADPCM") << adpcm.bytes();
        QTest::newRow("24-bit") << bits24.bytes();
        QTest::newRow("no channels") << noChannels.bytes();
        QTest::newRow("5 Hz") << silly.bytes();
        QTest::newRow("data before format") << noFormat;
        QTest::newRow("not RIFF") << QByteArray("RIFX") + WavFixture().bytes().mid(4);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << WavFixture().bytes().left(20);
    }
    void refusesWhatItCannotPlay() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!WavClip::parse(bytes));
    }

    void readsTheShippedSounds() {
        const QDir sounds(QStringLiteral(VELTA_SOURCE_DIR "/data/media/sounds"));
        const QStringList files = sounds.entryList({u"*.WAV"_s});
        QCOMPARE(files.size(), 31);
        for (const QString& file : files) {
            const std::optional<WavClip> clip = WavClip::load(sounds.filePath(file));
            QVERIFY2(clip && clip->durationMs() > 50 && clip->durationMs() < 30000, qPrintable(file));
        }
    }

    void musicAtFirstShow_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("available");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("Keine") << 0 << true << true << QStringList{u"open VELTA.MID"_s};
        QTest::newRow("am Anfang") << 1 << true << true << QStringList{u"open VELTA.MID"_s, u"play once"_s};
        QTest::newRow("endlos") << 2 << true << true << QStringList{u"open VELTA.MID"_s, u"play endless"_s};
        QTest::newRow("no MIDI output") << 2 << false << false << QStringList{u"open VELTA.MID"_s};
    }
    void musicAtFirstShow() {
        QFETCH(int, option);
        QFETCH(bool, opens);
        QFETCH(bool, available);
        QFETCH(QStringList, calls);
        TempDataFolder dir;
        QFile(dir.filePath(u"velta.mid"_s)).open(QIODevice::WriteOnly); // found whatever its case
        AppState state;
        state.folders.dataFolder = dir.path() + u"/"_s;
        state.settings.changeOptions().set(OptionsRecord::Music, quint8(option));
        RecordingMusic music;
        music.opens = opens;
        MusicRules::atFirstShow(state, music);
        QCOMPARE(state.run.midiAvailable, available);
        QCOMPARE(music.calls.replaceInStrings(u"velta.mid"_s, u"VELTA.MID"_s), calls);
    }

    void musicWithoutItsFileStaysOff() {
        TempDataFolder dir;
        AppState state;
        state.folders.dataFolder = dir.path() + u"/"_s;
        RecordingMusic music;
        MusicRules::atFirstShow(state, music);
        QVERIFY(!state.run.midiAvailable);
        QVERIFY(music.calls.isEmpty());
    }

    void musicAfterOptions_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<bool>("available");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("endlos while silent starts") << 2 << false << true << QStringList{u"play endless"_s};
        QTest::newRow("endlos while playing goes on") << 2 << true << true << QStringList{u"endless"_s};
        QTest::newRow("Keine stops") << 0 << true << true << QStringList{u"stop"_s};
        QTest::newRow("am Anfang lets it end") << 1 << true << true << QStringList{u"once"_s};
        QTest::newRow("am Anfang while silent") << 1 << false << true << QStringList{u"once"_s};
        QTest::newRow("no MIDI output") << 2 << false << false << QStringList();
    }
    void musicAfterOptions() {
        QFETCH(int, option);
        QFETCH(bool, playing);
        QFETCH(bool, available);
        QFETCH(QStringList, calls);
        AppState state;
        state.run.midiAvailable = available;
        state.settings.changeOptions().set(OptionsRecord::Music, quint8(option));
        RecordingMusic music;
        music.playing = playing;
        MusicRules::afterOptions(state, music);
        QCOMPARE(music.calls, calls);
    }
};

VELTA_TEST_MAIN_CORE(TestSoundEffects)
#include "tst_soundeffects.moc"
