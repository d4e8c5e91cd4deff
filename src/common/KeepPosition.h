#pragma once

class TApollo;

// Puts a table back where it stood on leaving the scope, also when a read in between failed.
class KeepPosition {
public:
    explicit KeepPosition(TApollo& table);
    ~KeepPosition();
    KeepPosition(const KeepPosition&) = delete;
    KeepPosition& operator=(const KeepPosition&) = delete;

private:
    TApollo& m_table;
    int m_recNo;
    bool m_eof;
};
