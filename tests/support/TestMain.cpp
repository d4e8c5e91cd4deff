#include "VeltaTest.h"

// A folder's test executable without widgets.
int main(int argc, char** argv) {
    std::optional<VeltaTestRun> test = veltaChooseTest(argc, argv);
    if (!test)
        return 2;
    veltaPrepareTestEnvironment();
    QCoreApplication app(test->argc, test->argv.data());
    // The name the class's own executable had: temporary files and folders are named after it.
    QCoreApplication::setApplicationName(test->name);
    const std::unique_ptr<QObject> testObject = test->make();
    return QTest::qExec(testObject.get(), test->argc, test->argv.data());
}
