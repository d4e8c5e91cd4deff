#pragma once

#include "common/Notice.h"

#include <optional>

// What a command may do next: go on, stop after a notice, or ask and go on only on "Ja".
struct Verdict {
    std::optional<Notice> notice;
    bool proceed = false;

    static Verdict go() { return {std::nullopt, true}; }
    static Verdict stop() { return {std::nullopt, false}; }
    static Verdict refuse(const Notice& n) { return {n, false}; }
    static Verdict ask(const Notice& n) { return {n, true}; }
    // After the notice was shown: whether the command goes on.
    bool goesOn(int answer) const { return proceed && (!notice || !notice->isQuestion() || answer == 6); }
};
