#include "TempDataFolder.h"
#include "VeltaTest.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>

// The program as a process: SIGTERM closes it like its window's close box (settings written, exit
// code 0), also while the music is still being opened, and neither a terminated nor a killed
// instance keeps the next start from showing.
class TestProcessLifecycle : public QObject {
    Q_OBJECT

    TempDataFolder m_root;
    QProcessEnvironment m_env;

    QString programFolder() const { return m_root.filePath(QStringLiteral("home/velta98")); }

    void startProgram(QProcess& p) { startProgram(p, m_env); }
    static void startProgram(QProcess& p, const QProcessEnvironment& env) {
        p.setProgram(QStringLiteral(VELTA_IMAGE_DIR "/velta98"));
        p.setProcessEnvironment(env);
        p.start();
        QVERIFY(p.waitForStarted(10000));
    }
    // Running after the start-up time: it neither failed nor handed over to another instance.
    static bool stillRunningAfterStart(QProcess& p) {
        QTest::qWait(2500);
        return p.state() == QProcess::Running;
    }

    // Whether the program's thread that opens the background music is running.
    static bool musicLoaderRuns(const QProcess& p) {
        const QString tasks = QStringLiteral("/proc/%1/task").arg(p.processId());
        for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile name(tasks + QLatin1Char('/') + task + QStringLiteral("/comm"));
            if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == "music loader")
                return true;
        }
        return false;
    }

private slots:
    void initTestCase() {
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("VELTA98_WINDIR"), m_root.filePath(QStringLiteral("config")));
        m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_env.insert(QStringLiteral("USER"),
                     QStringLiteral("lifecycle-%1").arg(QCoreApplication::applicationPid()));
        QDir().mkpath(m_root.filePath(QStringLiteral("runtime")));
        QFile::setPermissions(m_root.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_root.filePath(QStringLiteral("runtime")));
        QProcess setup;
        setup.setProgram(QStringLiteral(VELTA_IMAGE_DIR "/velta98-setup"));
        setup.setArguments({QStringLiteral("--target"), programFolder()});
        setup.setProcessEnvironment(m_env);
        setup.start();
        QVERIFY(setup.waitForFinished(120000)); // a hang guard: copying the data is slow under the sanitizers
        QCOMPARE(setup.exitCode(), 0);
    }

    void sigtermClosesCleanlyAndTheNextStartShows() {
        const QString options = programFolder() + QStringLiteral("/DATEN/OPTION.CFG");
        QFile::remove(options);
        for (int start = 0; start < 2; ++start) {
            QProcess program;
            startProgram(program);
            QVERIFY2(stillRunningAfterStart(program), program.readAllStandardError().constData());
            program.terminate();
            QVERIFY(program.waitForFinished(30000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
            QVERIFY(QFileInfo::exists(options)); // the close handler wrote the options
            QFile::remove(options);
        }
    }

    // The music's output is a sound server that takes the connection and never answers, so opening
    // the music hangs until the test lets it fail: the end comes while the music loader runs.
    void sigtermWhileTheMusicLoadsEndsNormally() {
        const QString options = programFolder() + QStringLiteral("/DATEN/OPTION.CFG");
        QFile::remove(options);
        QProcess program;
        QLocalServer soundServer;
        QList<QLocalSocket*> held;
        bool holding = true;
        // Only the music loader is kept waiting: the sound effects' device query (on the main
        // thread, before the window shows) is turned away at once, as after the test lets go.
        QObject::connect(&soundServer, &QLocalServer::newConnection, &soundServer, [&] {
            while (QLocalSocket* client = soundServer.nextPendingConnection()) {
                if (holding && musicLoaderRuns(program))
                    held << client;
                else
                    client->abort();
            }
        });
        const QString serverPath = m_root.filePath(QStringLiteral("runtime/mute-sound-server"));
        QVERIFY(soundServer.listen(serverPath));
        QProcessEnvironment env = m_env;
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + serverPath);
        startProgram(program, env);
        QTRY_VERIFY_WITH_TIMEOUT(!held.isEmpty(), 60000);
        QVERIFY2(stillRunningAfterStart(program), program.readAllStandardError().constData());
        // Told to end while the loader runs (the sound library itself gives up on a mute server after 30 s).
        QVERIFY(musicLoaderRuns(program));
        program.terminate();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(options), 30000); // the close handler ran
        holding = false;
        for (QLocalSocket* client : std::as_const(held))
            client->abort(); // opening the music fails now, and the loader ends
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QProcess next;
        startProgram(next);
        QVERIFY(stillRunningAfterStart(next));
        next.terminate();
        QVERIFY(next.waitForFinished(30000));
        QCOMPARE(next.exitStatus(), QProcess::NormalExit);
        QCOMPARE(next.exitCode(), 0);
    }

    void aKilledInstanceDoesNotBlockTheNext() {
        QProcess killed;
        startProgram(killed);
        QVERIFY(stillRunningAfterStart(killed));
        killed.kill();
        QVERIFY(killed.waitForFinished(30000));
        QProcess next;
        startProgram(next);
        QVERIFY(stillRunningAfterStart(next));
        next.terminate();
        QVERIFY(next.waitForFinished(30000));
        QCOMPARE(next.exitCode(), 0);
    }
};

VELTA_TEST_MAIN_CORE(TestProcessLifecycle)
#include "tst_processlifecycle.moc"
