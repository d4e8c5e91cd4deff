#pragma once

#include "VeltaTest.h"
#include "app/Application.h"

#include <QApplication>

// Run by the folder's GUI test executable, with a QApplication prepared as the program's.
#define VELTA_TEST_MAIN_GUI(TestClass) VELTA_TEST_REGISTER(TestClass)
