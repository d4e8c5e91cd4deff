#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One run of the veltadb tool as a script would make it: its exit code, and what it wrote to
// stdout and stderr.
struct VeltadbRun {
    int code = -1;
    QString out;
    QString err;

    static VeltadbRun of(const QStringList& args, int timeoutMs = 30000,
                         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VELTADB_PATH), args);
        // A run that hangs or crashes has no exit code a test could take for success.
        const bool finished = p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit;
        return {finished ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
};
