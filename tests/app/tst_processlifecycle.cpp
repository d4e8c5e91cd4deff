#include "TempDataFolder.h"
#include "VeltaTest.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

// The program as a process: SIGTERM closes it like its window's close box (settings written, exit
// code 0), and neither a terminated nor a killed instance keeps the next start from showing.
class TestProcessLifecycle : public QObject {
    Q_OBJECT

    TempDataFolder m_root;
    QProcessEnvironment m_env;

    QString programFolder() const { return m_root.filePath(QStringLiteral("home/velta98")); }

    void startProgram(QProcess& p) {
        p.setProgram(QStringLiteral(VELTA_IMAGE_DIR "/velta98"));
        p.setProcessEnvironment(m_env);
        p.start();
        QVERIFY(p.waitForStarted(10000));
    }
    // Running after the start-up time: it neither failed nor handed over to another instance.
    static bool stillRunningAfterStart(QProcess& p) {
        QTest::qWait(2500);
        return p.state() == QProcess::Running;
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
        QVERIFY(setup.waitForFinished(30000));
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
            QVERIFY(program.waitForFinished(10000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
            QVERIFY(QFileInfo::exists(options)); // the close handler wrote the options
            QFile::remove(options);
        }
    }

    void aKilledInstanceDoesNotBlockTheNext() {
        QProcess killed;
        startProgram(killed);
        QVERIFY(stillRunningAfterStart(killed));
        killed.kill();
        QVERIFY(killed.waitForFinished(10000));
        QProcess next;
        startProgram(next);
        QVERIFY(stillRunningAfterStart(next));
        next.terminate();
        QVERIFY(next.waitForFinished(10000));
        QCOMPARE(next.exitCode(), 0);
    }
};

VELTA_TEST_MAIN_CORE(TestProcessLifecycle)
#include "tst_processlifecycle.moc"
