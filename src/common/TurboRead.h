#pragma once

#include "store/TApollo.h"

// Fast sequential reading switched on for one pass over a table and off again afterwards, also
// when the pass ends with an error.
class TurboRead {
public:
    explicit TurboRead(TApollo& table) : m_table(table) { m_table.SetTurboRead(true); }
    ~TurboRead() { m_table.SetTurboRead(false); }
    TurboRead(const TurboRead&) = delete;
    TurboRead& operator=(const TurboRead&) = delete;

private:
    TApollo& m_table;
};
