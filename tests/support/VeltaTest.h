#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <initializer_list>

// A string list from UTF-8 literals, for test tables.
inline QStringList strings(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* item : items)
        out << QString::fromUtf8(item);
    return out;
}

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
