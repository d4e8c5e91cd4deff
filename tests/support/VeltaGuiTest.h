#pragma once

#include "VeltaTest.h"
#include "app/Application.h"

#include <QApplication>

#define VELTA_TEST_MAIN_GUI(TestClass)                                                                       \
    int main(int argc, char** argv) {                                                                        \
        veltaPrepareTestEnvironment();                                                                       \
        QApplication app(argc, argv);                                                                        \
        Application::prepare();                                                                              \
        TestClass tc;                                                                                        \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
