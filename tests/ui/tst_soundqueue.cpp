#include "TempDataFolder.h"
#include "VeltaGuiTest.h"
#include "WavFixture.h"
#include "ui/SoundQueue.h"

#include <QAudioDevice>
#include <QSignalSpy>

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

private slots:
    void playsQueuedClipsInOrder() {
        SoundQueue queue{QAudioDevice()};
        QVERIFY(!queue.isAvailable());
        QSignalSpy started(&queue, &SoundQueue::started);
        QSignalSpy finished(&queue, &SoundQueue::finished);
        QSignalSpy idle(&queue, &SoundQueue::idle);
        const QStringList clips = {clip(u"16.WAV"_s), clip(u"22.WAV"_s), clip(u"4.WAV"_s), clip(u"22.WAV"_s)};
        for (const QString& c : clips)
            queue.enqueue(c);
        QCOMPARE(queue.playing(), clips.first()); // the first starts at once, the rest wait
        QCOMPARE(queue.waiting().size(), 3);
        QVERIFY(idle.wait(5000));
        QStringList order;
        for (const QList<QVariant>& s : started)
            order << s.first().toString();
        QCOMPARE(order, clips);
        QCOMPARE(finished.size(), 4);
        QCOMPARE(idle.size(), 1);
        QVERIFY(queue.playing().isEmpty());
    }

    void aClipQueuedLaterWaitsForThePlayingOne() {
        SoundQueue queue{QAudioDevice()};
        QSignalSpy started(&queue, &SoundQueue::started);
        QSignalSpy idle(&queue, &SoundQueue::idle);
        const QString a = clip(u"1.WAV"_s, 40);
        const QString b = clip(u"2.WAV"_s);
        queue.enqueue(a);
        QTest::qWait(5);
        queue.enqueue(b);
        QCOMPARE(started.size(), 1);
        QVERIFY(idle.wait(5000));
        QCOMPARE(started.size(), 2);
        QCOMPARE(started.at(1).first().toString(), b);
    }

    void dropsWhatItCannotOrNeedNotPlay() {
        SoundQueue queue{QAudioDevice()};
        QSignalSpy started(&queue, &SoundQueue::started);
        QSignalSpy idle(&queue, &SoundQueue::idle);
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
        QVERIFY(
            QTest::qWaitFor([&] { return queue.playing().isEmpty() && queue.waiting().isEmpty(); }, 5000));
        QCOMPARE(started.size(), 1 + SoundQueue::kMaxWaiting);
        for (const QList<QVariant>& s : started)
            QCOMPARE(s.first().toString(), good);
    }

    void findsFilesWhateverTheirCase() {
        SoundQueue queue{QAudioDevice()};
        QSignalSpy started(&queue, &SoundQueue::started);
        clip(u"30.wav"_s);
        queue.enqueue(m_dir.filePath(u"30.WAV"_s));
        QCOMPARE(started.size(), 1);
        queue.stop();
    }

    void stopEmptiesTheQueue() {
        SoundQueue queue{QAudioDevice()};
        QSignalSpy started(&queue, &SoundQueue::started);
        QSignalSpy idle(&queue, &SoundQueue::idle);
        const QString c = clip(u"5.WAV"_s, 200);
        queue.enqueue(c);
        queue.enqueue(c);
        queue.stop();
        QCOMPARE(idle.size(), 1);
        QVERIFY(queue.playing().isEmpty());
        QVERIFY(queue.waiting().isEmpty());
        QTest::qWait(300);
        QCOMPARE(started.size(), 1); // the waiting clip never started
        queue.enqueue(c);            // and the queue plays again afterwards
        QCOMPARE(started.size(), 2);
        queue.stop();
    }
};

VELTA_TEST_MAIN_GUI(TestSoundQueue)
#include "tst_soundqueue.moc"
