#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

// Every test runs with the German locale, no display and a private runtime folder.
inline void veltaPrepareTestEnvironment() {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") ||
        !QFile::exists(qEnvironmentVariable("XDG_RUNTIME_DIR"))) {
        static QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

#define VELTA_TEST_MAIN_CORE(TestClass)                                                                      \
    int main(int argc, char** argv) {                                                                        \
        veltaPrepareTestEnvironment();                                                                       \
        QCoreApplication app(argc, argv);                                                                    \
        TestClass tc;                                                                                        \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
