// What every window test reads besides the program's own headers.
#pragma once
#include "gui.h"

#include <QSignalSpy>
#include <QTest>
