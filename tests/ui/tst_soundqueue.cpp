#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "WavFixture.h"
#include "ui/SoundQueue.h"

#include <QAudioDevice>

using namespace Qt::StringLiterals;

// The wave player without a device: the clips keep their time on a timer, in the order queued, so
// sequences behave as with a sound card and nothing waits for ever.
class TestSoundQueue : public QObject {
    Q_OBJECT

    TempDataFolder m_dir;

    QString clip(const QString& name, int ms = 20) {
        WavFixture w;
        w.frames = int(w.rate) * ms / 1000;
        const QString path = m_dir.filePath(name);
        w.write(path);
        return path;
    }
    static bool runsDry(const SoundQueue& queue) {
        return QTest::qWaitFor([&] { return queue.isIdle(); }, 5000);
    }

private slots:
    void playsQueuedClipsInOrder() {
        SoundQueue queue{QAudioDevice()};
        QVERIFY(!queue.isAvailable());
        const QStringList clips = {clip(u"16.WAV"_s), clip(u"22.WAV"_s), clip(u"4.WAV"_s), clip(u"22.WAV"_s)};
        for (const QString& c : clips)
            queue.enqueue(c);
        QCOMPARE(queue.playing(), clips.first()); // the first starts at once, the rest wait
        QCOMPARE(queue.waiting().size(), 3);
        QVERIFY(runsDry(queue));
        QCOMPARE(queue.startedLately(), clips);
    }

    void aClipQueuedLaterWaitsForThePlayingOne() {
        SoundQueue queue{QAudioDevice()};
        const QString a = clip(u"1.WAV"_s, 40);
        const QString b = clip(u"2.WAV"_s);
        queue.enqueue(a);
        QTest::qWait(5);
        queue.enqueue(b);
        QCOMPARE(queue.startedLately(), QStringList{a});
        QVERIFY(runsDry(queue));
        QCOMPARE(queue.startedLately(), (QStringList{a, b}));
    }

    void dropsWhatItCannotOrNeedNotPlay() {
        SoundQueue queue{QAudioDevice()};
        QFile broken(m_dir.filePath(u"broken.WAV"_s));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("RIFF....WAVEjunk");
        broken.close();
        const QString good = clip(u"8.WAV"_s);
        queue.enqueue(m_dir.filePath(u"missing.WAV"_s));
        queue.enqueue(broken.fileName());
        queue.enqueue(good);
        // A burst: one plays, kMaxWaiting wait, the rest are dropped.
        for (int i = 0; i < SoundQueue::kMaxWaiting + 5; ++i)
            queue.enqueue(good);
        QCOMPARE(queue.waiting().size(), SoundQueue::kMaxWaiting);
        QVERIFY(runsDry(queue));
        QCOMPARE(queue.startedLately(), QStringList(1 + SoundQueue::kMaxWaiting, good));
    }

    void remembersOnlyTheLatestClips() {
        SoundQueue queue{QAudioDevice()};
        const QString c = clip(u"9.WAV"_s, 1);
        for (int round = 0; round < 5; ++round) {
            for (int i = 0; i <= SoundQueue::kMaxWaiting; ++i)
                queue.enqueue(c);
            QVERIFY(runsDry(queue));
        }
        QCOMPARE(queue.startedLately().size(), SoundQueue::kRemembered);
    }

    void findsFilesWhateverTheirCase() {
        SoundQueue queue{QAudioDevice()};
        clip(u"30.wav"_s);
        queue.enqueue(m_dir.filePath(u"30.WAV"_s));
        QCOMPARE(queue.startedLately().size(), 1);
        queue.stop();
    }

    void stopEmptiesTheQueue() {
        SoundQueue queue{QAudioDevice()};
        const QString c = clip(u"5.WAV"_s, 200);
        queue.enqueue(c);
        queue.enqueue(c);
        queue.stop();
        QVERIFY(queue.isIdle());
        QTest::qWait(300);
        QCOMPARE(queue.startedLately().size(), 1); // the waiting clip never started
        queue.enqueue(c);                          // and the queue plays again afterwards
        QCOMPARE(queue.startedLately().size(), 2);
        queue.stop();
    }
};

VELTA_TEST_MAIN_GUI(TestSoundQueue)
#include "tst_soundqueue.moc"
