#pragma once

#include "common/Notice.h"

#include <optional>

// What a core operation that can be refused returns: ok, or the notice that says why not. Store
// failures are not results: they throw StoreError and reach the user through the store guard.
class Result {
public:
    static Result ok() { return Result(); }
    static Result refused(Notice notice) { return Result(std::move(notice)); }

    bool isOk() const { return !m_notice.has_value(); }
    explicit operator bool() const { return isOk(); }
    const Notice& notice() const { return *m_notice; }

private:
    Result() = default;
    explicit Result(Notice notice) : m_notice(std::move(notice)) {}
    std::optional<Notice> m_notice;
};
