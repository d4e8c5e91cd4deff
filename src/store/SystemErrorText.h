#pragma once

#include <QString>

// The reason of a failed file operation in German words, for messages: the C library's own texts
// follow the system language, which may not be German.
QString systemErrorText(int error);
