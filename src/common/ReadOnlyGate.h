#pragma once

#include "common/Result.h"
#include "common/RunFlags.h"

// What a session that changes stored data asks before each change: refused while the program runs
// read-only. Without run flags (tools and tests that open the tables themselves) changes may go on.
class ReadOnlyGate {
public:
    void setRunFlags(const RunFlags* run) { m_run = run; }
    Result mayChange() const { return m_run ? m_run->mayWrite() : Result::ok(); }

private:
    const RunFlags* m_run = nullptr;
};
