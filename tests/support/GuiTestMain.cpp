#include "VeltaGuiTest.h"

// A folder's test executable for windows: the application is prepared as the program's.
int main(int argc, char** argv) {
    std::optional<VeltaTestRun> test = veltaChooseTest(argc, argv);
    if (!test)
        return 2;
    veltaPrepareTestEnvironment();
    QApplication app(test->argc, test->argv.data());
    Application::prepare();
    const std::unique_ptr<QObject> testObject = test->make();
    return QTest::qExec(testObject.get(), test->argc, test->argv.data());
}
