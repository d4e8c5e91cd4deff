// What every test reads besides the program's own headers.
#pragma once
#include "core.h"

#include <QSignalSpy>
#include <QTest>
