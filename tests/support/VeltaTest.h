#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

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

// The test classes of one folder share one executable per kind (velta_tests_<folder>, and
// velta_tests_<folder>_gui for those that need widgets), so they are linked once, not once each. A class
// registers under the name of its source file, and the executable runs the one its first argument
// names; ctest starts one process per class:
//   velta_tests_editors tst_recipewriter [QTest arguments]
using VeltaTestFactory = std::unique_ptr<QObject> (*)();

struct VeltaTestRegistration {
    VeltaTestRegistration(const char* sourceFile, VeltaTestFactory make);
};

// The test a command line names, and the arguments left for the application and QTest: the program,
// then everything after the name.
struct VeltaTestRun {
    QString name;
    VeltaTestFactory make = nullptr;
    int argc = 0;
    std::vector<char*> argv;
};

// Without a known name it lists the names this executable knows on stderr and returns nothing.
std::optional<VeltaTestRun> veltaChooseTest(int argc, char** argv);

#define VELTA_TEST_REGISTER(TestClass)                                                                       \
    static const VeltaTestRegistration veltaTestRegistration(                                                \
        __FILE__, []() -> std::unique_ptr<QObject> { return std::make_unique<TestClass>(); });

#define VELTA_TEST_MAIN_CORE(TestClass) VELTA_TEST_REGISTER(TestClass)
